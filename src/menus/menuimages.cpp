#include "menus/menuimages.h"

#include "platform/resources.h"

#include <QPixmap>

namespace {

constexpr int kProgramIcons = 29;

} // namespace

void MenuImageList::add(const QString& key, const QIcon& icon)
{
    m_entries.append({key, icon});
}

MenuImageList MenuImageList::programIcons()
{
    MenuImageList images;
    for (int number = 1; number <= kProgramIcons; ++number) {
        const QString key = QString::number(number);
        const auto bytes = programResource(QStringLiteral(":/menuicons/%1.png").arg(key));
        QPixmap picture;
        if (bytes && picture.loadFromData(*bytes, "PNG"))
            images.add(key, QIcon(picture));
    }
    return images;
}
