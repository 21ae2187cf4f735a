#include "forms/control.h"

#include <algorithm>
#include <utility>

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& form, ControlType type, std::string name, int index)
    : form_(form), type_(type), name_(std::move(name)), index_(index) {}

Control::~Control() = default;

std::string Control::qualifiedName() const { return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

void Control::changed(Property what) {
    if (form_.hasWindow()) form_.app().backend().controlChanged(*this, what);
}

void Control::setContainer(Control* container) {
    container_ = (container && container->canContain()) ? container : nullptr;
    changed(Property::Geometry);
}

double Control::left() const { return form_.toScaleX(left_); }
double Control::top() const { return form_.toScaleY(top_); }
double Control::width() const { return form_.toScaleX(width_); }
double Control::height() const { return form_.toScaleY(height_); }
void Control::setLeft(double v) { setBoundsTwips(form_.fromScaleX(v), top_, width_, height_); }
void Control::setTop(double v) { setBoundsTwips(left_, form_.fromScaleY(v), width_, height_); }
void Control::setWidth(double v) { setBoundsTwips(left_, top_, form_.fromScaleX(v), height_); }
void Control::setHeight(double v) { setBoundsTwips(left_, top_, width_, form_.fromScaleY(v)); }
void Control::move(double left, double top, double width, double height) {
    setBoundsTwips(form_.fromScaleX(left), form_.fromScaleY(top), form_.fromScaleX(width), form_.fromScaleY(height));
}

void Control::setBoundsTwips(double left, double top, double width, double height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    changed(Property::Geometry);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Property::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Property::Enabled);
}

void Control::setToolTip(const std::string& v) {
    if (v == toolTip_) return;
    toolTip_ = v;
    changed(Property::ToolTip);
}

void Control::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    changed(Property::Colors);
}

void Control::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    changed(Property::Colors);
}

void Control::setFont(const Font& f) {
    if (f == font_) return;
    font_ = f;
    changed(Property::Font);
}

void Control::userClick() {
    if (enabled_) raise(onClick);
}

void Control::setFocus() {
    if (handle_ != 0) form_.app().backend().setFocus(*this);
}

void Control::userDblClick() {
    if (enabled_) raise(onDblClick);
}

void TextControl::setCaption(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    changed(Property::Text);
    raise(onChange);
}

Label::Label(Form& form, std::string name, int index) : TextControl(form, ControlType::Label, std::move(name), index) {}

void Label::setAlignment(Alignment a) {
    alignment_ = a;
    changed(Property::Text);
}

void Label::setCaptionShownAs(std::string caption, std::string shown) {
    // The shown form first: the caption's change notice then finds both current.
    const bool shownChanged = shown_ != shown;
    shown_ = std::move(shown);
    if (caption != this->caption())
        setCaption(caption);
    else if (shownChanged)
        changed(Property::Text);
}

void Label::setTransparent(bool t) {
    transparent_ = t;
    changed(Property::Colors);
}

TextBox::TextBox(Form& form, std::string name, int index)
    : TextControl(form, ControlType::TextBox, std::move(name), index) {
    setBackColor(kSystemWindow);
}

void TextBox::setMultiLine(bool multiLine, bool verticalScrollBar) {
    multiLine_ = multiLine;
    verticalScrollBar_ = verticalScrollBar;
}

void TextBox::setLocked(bool locked) { locked_ = locked; }

void TextBox::setSelStart(std::size_t s) {
    selStart_ = std::min(s, text().size());
    selLength_ = std::min(selLength_, text().size() - selStart_);
    changed(Property::Selection);
}

void TextBox::setSelLength(std::size_t n) {
    selLength_ = std::min(n, text().size() - selStart_);
    changed(Property::Selection);
}

CommandButton::CommandButton(Form& form, std::string name, int index)
    : TextControl(form, ControlType::CommandButton, std::move(name), index) {}

void CommandButton::setValue(bool pressed) {
    if (!pressed) return;
    pressed_ = true;
    raise(onClick);
    pressed_ = false;
}

void CommandButton::setPicture(Picture p) {
    picture_ = p;
    changed(Property::Picture);
}

void CommandButton::setGraphical(bool g) {
    graphical_ = g;
    changed(Property::Picture);
}

void CommandButton::setHandCursor(bool h) { handCursor_ = h; }

CheckBox::CheckBox(Form& form, std::string name, int index)
    : TextControl(form, ControlType::CheckBox, std::move(name), index) {}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    changed(Property::Value);
    raise(onClick);
}

void CheckBox::userClick() {
    if (enabled()) setValue(value_ == 1 ? 0 : 1);
}

PictureBox::PictureBox(Form& form, std::string name, int index)
    : Control(form, ControlType::PictureBox, std::move(name), index) {}

void PictureBox::setPicture(Picture p) {
    picture_ = p;
    changed(Property::Picture);
}

Image::Image(Form& form, std::string name, int index) : Control(form, ControlType::Image, std::move(name), index) {}

void Image::setPicture(Picture p) {
    picture_ = p;
    changed(Property::Picture);
}

Shape::Shape(Form& form, std::string name, int index) : Control(form, ControlType::Shape, std::move(name), index) {}

void Shape::setBorderColor(Color c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    changed(Property::Colors);
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    changed(Property::Colors);
}

ProgressBar::ProgressBar(Form& form, std::string name, int index)
    : Control(form, ControlType::ProgressBar, std::move(name), index) {}

void ProgressBar::setRange(double min, double max) {
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, min_, max_);
    changed(Property::Range);
}

bool ProgressBar::setValue(double v) {
    if (!(v >= min_ && v <= max_)) return false;  // also refuses NaN
    if (v == value_) return true;
    value_ = v;
    changed(Property::Value);
    return true;
}

Timer::Timer(Form& form, std::string name, int index) : Control(form, ControlType::Timer, std::move(name), index) {
    setVisible(false);
}

void Timer::setInterval(int ms) {
    interval_ = std::max(0, ms);
    if (form().hasWindow()) form().app().backend().timerChanged(*this);
}

void Timer::setTimerEnabled(bool e) {
    timerEnabled_ = e;
    if (form().hasWindow()) form().app().backend().timerChanged(*this);
}

bool Timer::running() const { return timerEnabled_ && interval_ > 0 && form().hasWindow() && !form().app().ended(); }

void Timer::fire() {
    if (running()) raise(onTimer);
}

ListBox::ListBox(Form& form, std::string name, int index)
    : Control(form, ControlType::ListBox, std::move(name), index) {
    setBackColor(kSystemWindow);
}

void ListBox::addItem(const std::string& item) {
    items_.push_back(item);
    changed(Property::Items);
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    changed(Property::Items);
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) i = -1;
    if (i == listIndex_) return;
    listIndex_ = i;
    changed(Property::Selection);
    raise(onClick);
}

Frame::Frame(Form& form, std::string name, int index) : TextControl(form, ControlType::Frame, std::move(name), index) {}

Chart::Chart(Form& form, std::string name, int index) : Control(form, ControlType::Chart, std::move(name), index) {}

void Chart::setData(const std::vector<double>& values) {
    data_ = values;
    if (colors_.size() < data_.size()) colors_.resize(data_.size(), 0);
    changed(Property::Data);
}

void Chart::setSeriesColor(int series, Color c) {
    if (series < 1) return;
    if (colors_.size() < static_cast<std::size_t>(series)) colors_.resize(static_cast<std::size_t>(series), 0);
    colors_[static_cast<std::size_t>(series - 1)] = c;
    changed(Property::Colors);
}

Color Chart::seriesColor(int series) const {
    if (series < 1 || static_cast<std::size_t>(series) > colors_.size()) return 0;
    return colors_[static_cast<std::size_t>(series - 1)];
}

}  // namespace forms
