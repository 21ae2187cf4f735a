#include "fakes/headless_backend.h"

#include <algorithm>

namespace fakes {

HeadlessBackend::HeadlessBackend() = default;

double HeadlessBackend::frameWidthTwips(const forms::Form& form) const {
    return form.borderStyle() == forms::BorderStyle::None ? 0 : 2.0 * borderPx * twipsPerPixel;
}

double HeadlessBackend::frameHeightTwips(const forms::Form& form) const {
    return form.borderStyle() == forms::BorderStyle::None ? 0 : (2.0 * borderPx + captionPx) * twipsPerPixel;
}

void HeadlessBackend::createForm(forms::Form& form) {
    windowLog.push_back("create:" + form.name());
    form.setHandle(nextHandle_++);
    ++liveWindows_;
    for (const auto& c : form.controls()) createControl(*c);
    layOut(form, false);
}

void HeadlessBackend::layOut(forms::Form& form, bool raiseResize) {
    const double fw = frameWidthTwips(form), fh = frameHeightTwips(form);
    double left = form.left(), top = form.top(), width = form.width(), height = form.height();
    switch (form.windowState()) {
        case forms::WindowState::Maximized:
            left = 0, top = 0, width = screenWidthTwips(), height = screenHeightTwips();
            break;
        case forms::WindowState::Minimized: break;
        case forms::WindowState::Normal:
            if (form.startUpPosition() == forms::StartUpPosition::CenterScreen) {
                left = std::max(0.0, (screenWidthTwips() - width) / 2);
                top = std::max(0.0, (screenHeightTwips() - height) / 2);
            }
            break;
    }
    const bool minimized = form.windowState() == forms::WindowState::Minimized;
    form.backendGeometry(left, top, width, height, minimized ? 0 : std::max(0.0, width - fw),
                         minimized ? 0 : std::max(0.0, height - fh), form.windowState(), raiseResize);
}

void HeadlessBackend::changeDisplay() {
    if (app_ == nullptr) return;
    forms::Application::EventScope scope(*app_);
    for (forms::Form* form : app_->forms()) {
        if (form->hasWindow()) layOut(*form, true);
        form->displayChanged();
    }
}

void HeadlessBackend::destroyForm(forms::Form& form) {
    windowLog.push_back("destroy:" + form.name());
    for (const auto& c : form.controls()) {
        if (c->type() == forms::ControlType::Timer) due_.erase(static_cast<forms::Timer*>(c.get()));
        if (c->handle() != 0) --liveWindows_;
        c->setHandle(0);
    }
    if (form.hWnd() != 0) --liveWindows_;
}

void HeadlessBackend::showForm(forms::Form& form) {
    windowLog.push_back("show:" + form.name());
    layOut(form, false);
}
void HeadlessBackend::hideForm(forms::Form& form) { windowLog.push_back("hide:" + form.name()); }
void HeadlessBackend::formChanged(forms::Form& form) { layOut(form, true); }
void HeadlessBackend::bringToFront(forms::Form& form) { broughtToFront.push_back(form.name()); }

void HeadlessBackend::bringToForeground(forms::Form& form) { foreground.push_back(form.name()); }

int HeadlessBackend::popUpMenu(forms::Form&, const std::vector<forms::MenuEntry>& entries, int, int) {
    menusShown.push_back(entries);
    if (menuChoices.empty()) return 0;
    const int chosen = menuChoices.front();
    menuChoices.pop_front();
    return chosen;
}

void HeadlessBackend::createControl(forms::Control& control) {
    if (control.type() == forms::ControlType::Timer) {
        timerChanged(static_cast<forms::Timer&>(control));
        return;
    }
    control.setHandle(nextHandle_++);
    ++liveWindows_;
}

void HeadlessBackend::controlChanged(forms::Control&, forms::Property) {}

void HeadlessBackend::timerChanged(forms::Timer& timer) {
    if (timer.running())
        due_[&timer] = now_ + timer.interval();
    else
        due_.erase(&timer);
}

void HeadlessBackend::setFocus(forms::Control& control) {
    focusRequests.push_back(control.form().name() + "." + control.qualifiedName());
}

int HeadlessBackend::messageBox(const std::string& text, int style, const std::string& title) {
    messages.push_back({text, style, title});
    if (onMessageBox) onMessageBox(messages.back());
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0xF) == forms::msgbox::kYesNo ? forms::msgbox::kAnswerYes : forms::msgbox::kAnswerOk;
}

void HeadlessBackend::doEvents() {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
}

void HeadlessBackend::endProcess(int status) {
    if (!processEnded) exitStatus = status;
    processEnded = true;
    due_.clear();
}

void HeadlessBackend::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (!processEnded) {
        auto next = std::min_element(due_.begin(), due_.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
        if (next == due_.end() || next->second > end) break;
        forms::Timer* timer = next->first;
        const std::int64_t dueAt = next->second;
        now_ = dueAt;
        next->second = dueAt + timer->interval();  // a handler that changes the timer reschedules it
        if (app_) {
            forms::Application::EventScope scope(*app_);
            timer->fire();
        } else {
            timer->fire();
        }
    }
    now_ = end;
}

}  // namespace fakes
