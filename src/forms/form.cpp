#include "forms/form.h"

#include "forms/application.h"

namespace forms {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)), caption_(name_) {}

Form::~Form() = default;

Control* Form::findControl(const std::string& qualifiedName) const {
    for (const auto& c : controls_)
        if (c->qualifiedName() == qualifiedName) return c.get();
    return nullptr;
}

void Form::controlAdded(Control& c) {
    if (hasWindow()) app_.backend().createControl(c);
}

void Form::show() {
    if (unloading_ || !hasWindow()) return;
    const bool firstDisplay = !everShown_;
    visible_ = true;
    app_.backend().showForm(*this);
    if (firstDisplay) {
        everShown_ = true;
        onResize();
    }
    if (!unloading_ && visible_ && app_.activeForm() != this) {
        app_.setActive(this);
        onActivate();
    }
}

void Form::hide() {
    visible_ = false;
    if (app_.activeForm() == this) app_.setActive(nullptr);
    if (hasWindow()) app_.backend().hideForm(*this);
}

bool Form::unload() { return app_.unload(*this, unload_mode::kFormCode); }

void Form::zOrderTop() {
    if (hasWindow()) app_.backend().bringToFront(*this);
}

void Form::bringToForeground() {
    if (hasWindow()) app_.backend().bringToForeground(*this);
}

int Form::popUpMenu(const std::vector<MenuEntry>& entries, int x, int y) {
    return hasWindow() ? app_.backend().popUpMenu(*this, entries, x, y) : 0;
}

void Form::setCaption(const std::string& c) {
    caption_ = c;
    if (hasWindow()) app_.backend().formChanged(*this);
}

void Form::move(double left, double top, double width, double height) {
    const double frameW = width_ - clientWidth_, frameH = height_ - clientHeight_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    clientWidth_ = width - frameW > 0 ? width - frameW : 0;
    clientHeight_ = height - frameH > 0 ? height - frameH : 0;
    if (hasWindow()) app_.backend().formChanged(*this);
}

void Form::setClientSizeTwips(double width, double height) {
    clientWidth_ = width;
    clientHeight_ = height;
    width_ = width + app_.backend().frameWidthTwips(*this);
    height_ = height + app_.backend().frameHeightTwips(*this);
    if (hasWindow()) app_.backend().formChanged(*this);
}

double Form::scaleWidth() const { return toScaleX(clientWidth_); }
double Form::scaleHeight() const { return toScaleY(clientHeight_); }

double Form::toScaleX(double twips) const {
    return scaleMode_ == ScaleMode::Pixels ? twips / app_.twipsPerPixelX() : twips;
}
double Form::toScaleY(double twips) const {
    return scaleMode_ == ScaleMode::Pixels ? twips / app_.twipsPerPixelY() : twips;
}
double Form::fromScaleX(double units) const {
    return scaleMode_ == ScaleMode::Pixels ? units * app_.twipsPerPixelX() : units;
}
double Form::fromScaleY(double units) const {
    return scaleMode_ == ScaleMode::Pixels ? units * app_.twipsPerPixelY() : units;
}

void Form::setWindowState(WindowState s) {
    if (s == windowState_) return;
    windowState_ = s;
    if (hasWindow()) app_.backend().formChanged(*this);
}

void Form::backendGeometry(double left, double top, double width, double height, double clientWidth,
                           double clientHeight, WindowState state, bool raiseResize) {
    const bool changed = width != width_ || height != height_ || clientWidth != clientWidth_ ||
                         clientHeight != clientHeight_ || state != windowState_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    windowState_ = state;
    if (raiseResize && changed && everShown_ && !unloading_) onResize();
}

void Form::userClose() { app_.unload(*this, unload_mode::kFormControlMenu); }

void Form::userDblClick() {
    if (!unloading_) onDoubleClick();
}

void Form::displayChanged() {
    if (!unloading_) onDisplayChanged();
}

void Form::activated() {
    if (unloading_ || !visible_ || app_.activeForm() == this) return;
    app_.setActive(this);
    onActivate();
}

}  // namespace forms
