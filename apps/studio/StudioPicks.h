#pragma once
// Picks in the current drawing for the studio: the prompt is shown, the current drawing's view
// goes into pick mode and a local event loop runs until the user clicks in it (the point, or
// the text clicked) or presses Escape (none). Without a view to pick in, the answer is none.

#include <QString>

#include <functional>

#include "host/HcEditorInput.h"

namespace vox::studio {

class DrawingView;

class StudioPicks : public HcEditorInput {
 public:
  using ViewSource = std::function<DrawingView*()>;
  using PromptSink = std::function<void(const QString&)>;

  // Where picks happen (the current document's view) and where prompts go; both may be unset.
  void setViewSource(ViewSource source) { views_ = std::move(source); }
  void setPromptSink(PromptSink sink) { prompts_ = std::move(sink); }

  std::optional<HcPickedPoint> getPoint(const std::wstring& prompt) override;
  std::optional<std::wstring> selectText(const std::wstring& prompt) override;

 private:
  struct Clicked {
    HcPickedPoint point;
    std::optional<std::wstring> text;
  };
  std::optional<Clicked> pick(const std::wstring& prompt);

  ViewSource views_;
  PromptSink prompts_;
};

}  // namespace vox::studio
