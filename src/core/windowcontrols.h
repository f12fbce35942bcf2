#pragma once

// What the program's windows share on screen: controls made with their names (tests find
// them by these), Georgian captions stored in Latin keys and shown in the Georgian font, the
// etched separator lines, and text boxes that take only some characters.

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QLabel;
class QPushButton;

// A control of the window, made with its name and, when given, placed.
template <class Control> Control* namedControl(QWidget* parent, const char* name)
{
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}
template <class Control>
Control* namedControl(QWidget* parent, const char* name, const QRect& place)
{
    Control* control = namedControl<Control>(parent, name);
    control->setGeometry(place);
    return control;
}

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
// A button placed as the window's layout in twips gives it; Enter does not press it unless
// it has the focus.
QPushButton* placedButton(QWidget* parent, const char* name, const QString& caption,
                          const QRect& place);

// The Georgian font of the dialogs' captions (the default family where it is not installed).
QFont georgianFont(int points = 10);
// A caption stored in Latin keys, as shown.
QString shownKeys(const char* latinKeys);

// A label with a Latin-key caption in the Georgian font.
QLabel* keysLabel(const char* latinKeys, QWidget* parent, const char* name = nullptr);
// Gives a button a Latin-key caption in the Georgian font.
void setKeysCaption(QAbstractButton* button, const char* latinKeys);

// The program's etched line across, between groups of controls.
QWidget* separatorLine(QWidget* parent, const char* name);

// Lets through only the typed characters that passes accepts, by their code (Backspace is
// 8). Keys that type no character (arrows, Delete, Home, shortcuts) always pass, so the box
// can still be edited.
void filterTypedKeys(QWidget* box, std::function<bool(int code)> passes);
