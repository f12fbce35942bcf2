#include "core/windowcontrols.h"

#include "core/xazi.h"
#include "platform/displaymap.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

class TypedKeyFilter : public QObject
{
public:
    TypedKeyFilter(std::function<bool(int)> passes, QObject* parent)
        : QObject(parent), m_passes(std::move(passes))
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            const int code = key->key() == Qt::Key_Backspace ? 8
                             : typed.isEmpty()               ? -1
                                                             : typed[0].unicode();
            // Delete may come with the character 7F, which types nothing either.
            const bool typesCharacter = code == 8 || (code >= 0x20 && code != 0x7F);
            if (typesCharacter && !m_passes(code))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(int)> m_passes;
};

} // namespace

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = namedControl<QPushButton>(parent, name);
    button->setText(caption);
    return button;
}

QPushButton* placedButton(QWidget* parent, const char* name, const QString& caption,
                          const QRect& place)
{
    auto* button = namedButton(parent, name, caption);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QFont georgianFont(int points)
{
    QFont font;
    const QString family = QStringLiteral("Grigolia");
    if (QFontDatabase::families().contains(family))
        font.setFamily(family);
    font.setPointSize(points);
    return font;
}

QString shownKeys(const char* latinKeys)
{
    return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(QString::fromLatin1(latinKeys));
}

QLabel* keysLabel(const char* latinKeys, QWidget* parent, const char* name)
{
    auto* label = new QLabel(shownKeys(latinKeys), parent);
    label->setFont(georgianFont());
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

void setKeysCaption(QAbstractButton* button, const char* latinKeys)
{
    button->setText(shownKeys(latinKeys));
    button->setFont(georgianFont());
}

QWidget* separatorLine(QWidget* parent, const char* name)
{
    auto* line = new xazi(parent, 1);
    line->setObjectName(QLatin1String(name));
    return line;
}

void filterTypedKeys(QWidget* box, std::function<bool(int code)> passes)
{
    box->installEventFilter(new TypedKeyFilter(std::move(passes), box));
}
