#pragma once

#include <QAccessibleWidget>
#include <QStringList>
#include <span>

class QComboBox;
class QPlainTextEdit;
class QWidget;

// What a screen reader says for one control, found by its object name: a short name
// that says what the control is, and a description of what it does or shows. A name of
// nullptr leaves the control named by its own caption.
struct AccessibleText {
    const char* control;
    const char* name;
    const char* description;
};

// Names and describes every control of the table, found among the descendants of `root`; a
// list's edit field and drop-down list take its name.
void DescribeControls(QWidget& root, std::span<const AccessibleText> table);

// A multi-line box that shows the program's text rather than the user's: its text can be
// selected and copied with the mouse and the keyboard but not changed, and Tab and Shift+Tab
// move the focus on instead of typing a tab.
void MakeReadingBox(QPlainTextEdit& box);

// A control the program draws itself, shown to assistive tools in the role it plays. A
// nameless label is named by its caption, and buttons and tabs can be pressed through
// assistive tools as with the left mouse button.
class DrawnControlAccessible : public QAccessibleWidget {
  public:
    DrawnControlAccessible(QWidget* control, QAccessible::Role role);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

  private:
    bool IsPressable() const;
};

// One of the program's drop-down lists, shown to assistive tools by the name the program gives
// it and with the chosen entry as its value.
QAccessibleInterface* NewComboBoxAccessible(QComboBox* list);
