#include "host/HcEditorInput.h"

#include "host/HcHostRuntime.h"

HcEditorInput* hcEditorInput() { return hcHostRuntime().input; }

std::optional<HcPickedPoint> hcedGetPoint(const std::wstring& prompt) {
  HcEditorInput* input = hcEditorInput();
  return input != nullptr ? input->getPoint(prompt) : std::nullopt;
}

std::optional<std::wstring> hcedSelectText(const std::wstring& prompt) {
  HcEditorInput* input = hcEditorInput();
  return input != nullptr ? input->selectText(prompt) : std::nullopt;
}
