#pragma once
// Controls of the forms runtime. A control's state lives here (the model); a backend
// mirrors it. Setting a property that changes the state tells the backend and, where the
// control has one, raises its event synchronously inside the assignment.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/types.h"

namespace forms {

class Form;

enum class ControlType {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    PictureBox,
    Image,
    Shape,
    ProgressBar,
    Timer,
    ListBox,
    Frame,
    Chart,
};

// What changed, so that a backend pushes only that to its native window.
enum class Property {
    Geometry,
    Visible,
    Enabled,
    Text,
    Colors,
    Font,
    ToolTip,
    Value,
    Range,
    Items,
    Selection,
    Data,
    Picture,
};

class Control {
public:
    Control(Form& form, ControlType type, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlType type() const { return type_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 when the control is not part of an array
    std::string qualifiedName() const;    // "Label1" or "chkChkBox(2)"
    Form& form() const { return form_; }

    // The frame or picture box that holds this control; nullptr when the form holds it.
    // A contained control's coordinates are relative to its container.
    Control* container() const { return container_; }
    void setContainer(Control* container);
    bool canContain() const { return type_ == ControlType::Frame || type_ == ControlType::PictureBox; }

    // Position and size in the form's current scale (twips or pixels).
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void move(double left, double top, double width, double height);

    // Position and size in twips, whatever the form's scale.
    double leftTwips() const { return left_; }
    double topTwips() const { return top_; }
    double widthTwips() const { return width_; }
    double heightTwips() const { return height_; }
    void setBoundsTwips(double left, double top, double width, double height);
    // Timers have a position but no size.
    bool hasSize() const { return type_ != ControlType::Timer; }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& v);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);

    // Events shared by most controls. Handlers are wired by the form that owns the control.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    // SetFocus: the control receives the keyboard input of its window from now on.
    void setFocus();

    // Input from the backend (a real click, a double click).
    virtual void userClick();
    void userDblClick();

    // Native window of the control, set by the backend (0 headless or before creation).
    WindowHandle handle() const { return handle_; }
    void setHandle(WindowHandle h) { handle_ = h; }

protected:
    void changed(Property what);
    static void raise(const std::function<void()>& handler) {
        if (handler) handler();
    }

private:
    Form& form_;
    ControlType type_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    Color backColor_ = kSystemButtonFace;
    Color foreColor_ = kSystemButtonText;
    Font font_;
    WindowHandle handle_ = 0;
};

// A control that shows a text: the caption of a label, button, check box or frame, or
// the text of a text box. Labels and text boxes raise Change when it changes.
class TextControl : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return text_; }
    void setCaption(const std::string& text);
    std::function<void()> onChange;

private:
    std::string text_;
};

class Label : public TextControl {
public:
    Label(Form& form, std::string name, int index = -1);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    // Labels are see-through unless given a back colour (the widget's figures).
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    // A caption with a shorter form to show (a figure rounded to fit, say): the caption
    // keeps the full value for screen readers, the label draws the shown form. A caption
    // set without one is shown as it is.
    void setCaptionShownAs(std::string caption, std::string shown);
    std::string shownText() const { return shown_ ? *shown_ : caption(); }
    bool hasShownForm() const { return shown_.has_value(); }

private:
    std::optional<std::string> shown_;
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = true;
};

class TextBox : public TextControl {
public:
    TextBox(Form& form, std::string name, int index = -1);
    const std::string& text() const { return caption(); }
    void setText(const std::string& t) { setCaption(t); }
    bool multiLine() const { return multiLine_; }
    bool verticalScrollBar() const { return verticalScrollBar_; }
    bool locked() const { return locked_; }
    void setMultiLine(bool multiLine, bool verticalScrollBar);
    void setLocked(bool locked);
    std::size_t selStart() const { return selStart_; }
    std::size_t selLength() const { return selLength_; }
    void setSelStart(std::size_t s);
    void setSelLength(std::size_t n);
    // The user typed: the backend reports the new text.
    void userEdited(const std::string& text) { setCaption(text); }

private:
    bool multiLine_ = false;
    bool verticalScrollBar_ = false;
    bool locked_ = false;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
};

class CommandButton : public TextControl {
public:
    CommandButton(Form& form, std::string name, int index = -1);
    // Pressing from code: setting the value to true runs the whole Click handler before
    // the assignment returns; the value falls back to false afterwards.
    void setValue(bool pressed);
    bool value() const { return pressed_; }
    Picture picture() const { return picture_; }
    void setPicture(Picture p);
    // Graphical buttons show their picture; standard ones their caption.
    bool graphical() const { return graphical_; }
    void setGraphical(bool g);
    // All of the program's graphical buttons share one hand cursor.
    bool handCursor() const { return handCursor_; }
    void setHandCursor(bool h);

private:
    bool pressed_ = false;
    Picture picture_ = Picture::None;
    bool graphical_ = false;
    bool handCursor_ = false;
};

class CheckBox : public TextControl {
public:
    CheckBox(Form& form, std::string name, int index = -1);
    int value() const { return value_; }  // 0 unchecked, 1 checked, 2 grayed
    // A change of value, from code or from the user, raises Click.
    void setValue(int v);
    void userClick() override;

private:
    int value_ = 0;
};

class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, int index = -1);
    Picture picture() const { return picture_; }
    void setPicture(Picture p);
    // A picture box that acts on a click can be reached with Tab and pressed with Space.
    // Set before the form is first shown.
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool t) { tabStop_ = t; }

private:
    Picture picture_ = Picture::None;
    bool tabStop_ = false;
};

class Image : public Control {
public:
    Image(Form& form, std::string name, int index = -1);
    Picture picture() const { return picture_; }
    void setPicture(Picture p);

private:
    Picture picture_ = Picture::None;
};

class Shape : public Control {
public:
    Shape(Form& form, std::string name, int index = -1);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);

private:
    Color borderColor_ = 0;
    int borderWidth_ = 1;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& form, std::string name, int index = -1);
    double min() const { return min_; }
    double max() const { return max_; }
    void setRange(double min, double max);
    double value() const { return value_; }
    // A position outside the range is refused: the bar keeps its position and the call
    // reports false.
    [[nodiscard]] bool setValue(double v);

private:
    double min_ = 0, max_ = 100, value_ = 0;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name, int index = -1);
    int interval() const { return interval_; }
    void setInterval(int ms);  // 0 stops the timer
    bool timerEnabled() const { return timerEnabled_; }
    void setTimerEnabled(bool e);
    // Whether the backend should be ticking it now.
    bool running() const;
    std::function<void()> onTimer;
    void fire();  // called by the backend's clock

private:
    int interval_ = 0;
    bool timerEnabled_ = true;
};

class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, int index = -1);
    void addItem(const std::string& item);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }  // -1 when no row is selected
    void setListIndex(int i);
    std::string text() const { return listIndex_ < 0 ? std::string() : list(listIndex_); }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class Frame : public TextControl {
public:
    Frame(Form& form, std::string name, int index = -1);
};

// A bar chart drawn by the program: one value per series (the data array is one row of
// as many columns as there are series) and a fill colour per series.
class Chart : public Control {
public:
    Chart(Form& form, std::string name, int index = -1);
    void setData(const std::vector<double>& values);
    const std::vector<double>& data() const { return data_; }
    void setSeriesColor(int series, Color c);  // series counted from 1
    Color seriesColor(int series) const;
    int seriesCount() const { return static_cast<int>(data_.size()); }

private:
    std::vector<double> data_;
    std::vector<Color> colors_;
};

}  // namespace forms
