#pragma once

// The icons of a window's menus, each under a key: the help number of the items that show
// it ("4" for every item whose caption begins with "|4|").

#include <QIcon>
#include <QList>
#include <QString>

class MenuImageList
{
public:
    void add(const QString& key, const QIcon& icon);
    int count() const { return int(m_entries.size()); }
    QString key(int index) const { return m_entries.at(index).key; }
    QIcon icon(int index) const { return m_entries.at(index).icon; }

    // The program's own menu icons, keyed "1" to "29"; an icon the program does not carry
    // is left out.
    static MenuImageList programIcons();

private:
    struct Entry
    {
        QString key;
        QIcon icon;
    };
    QList<Entry> m_entries;
};
