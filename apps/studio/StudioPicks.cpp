#include "StudioPicks.h"

#include <QEventLoop>
#include <QPointer>

#include "DrawingView.h"

namespace vox::studio {

std::optional<StudioPicks::Clicked> StudioPicks::pick(const std::wstring& prompt) {
  DrawingView* view = views_ ? views_() : nullptr;
  if (view == nullptr) return std::nullopt;
  if (prompts_) prompts_(QString::fromStdWString(prompt));
  std::optional<Clicked> clicked;
  QEventLoop loop;
  QPointer<DrawingView> watched(view);
  view->beginPick([&](const std::optional<DrawingView::Pick>& pick) {
    if (pick) {
      clicked = Clicked{{pick->point.x(), pick->point.y(), 0.0},
                        pick->text ? std::optional<std::wstring>(pick->text->toStdWString()) : std::nullopt};
    }
    loop.quit();
  });
  view->setFocus();
  // The view ends the pick when it goes away, which quits the loop too.
  if (watched && watched->picking()) loop.exec();
  if (prompts_) prompts_(QString());
  return clicked;
}

std::optional<HcPickedPoint> StudioPicks::getPoint(const std::wstring& prompt) {
  const std::optional<Clicked> clicked = pick(prompt);
  return clicked ? std::optional<HcPickedPoint>(clicked->point) : std::nullopt;
}

std::optional<std::wstring> StudioPicks::selectText(const std::wstring& prompt) {
  const std::optional<Clicked> clicked = pick(prompt);
  return clicked ? clicked->text : std::nullopt;
}

}  // namespace vox::studio
