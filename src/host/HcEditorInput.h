#pragma once
// Asking the user for input in the current drawing: a point, or a text entity. The module hands
// the editor to the user for the pick and gets the answer back. The desktop host lets the user
// click in the drawing's view, the shell takes scripted answers, tests queue them.

#include <optional>
#include <string>

struct HcPickedPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  bool operator==(const HcPickedPoint&) const = default;
};

class HcEditorInput {
 public:
  virtual ~HcEditorInput() = default;

  // A point of the current drawing, in drawing units; none when the user cancelled or no
  // drawing is current.
  virtual std::optional<HcPickedPoint> getPoint(const std::wstring& prompt) = 0;
  // The text of a text or multi-line text the user selected in the current drawing, also one
  // nested in a block reference; none when the user cancelled or selected no text.
  virtual std::optional<std::wstring> selectText(const std::wstring& prompt) = 0;
};

// The installed service, or null.
HcEditorInput* hcEditorInput();
// Forwarders that answer none when no service is installed.
std::optional<HcPickedPoint> hcedGetPoint(const std::wstring& prompt);
std::optional<std::wstring> hcedSelectText(const std::wstring& prompt);
