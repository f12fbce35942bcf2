#include "core/collection.h"

#include "platform/prompts.h"

qint16 ColectionMain::Count() const
{
    return qint16(m_items.size());
}

bool ColectionMain::contains(qint16 index) const
{
    return index >= 0 && index < Count();
}

Ithem& ColectionMain::Item(qint16 index)
{
    if (!contains(index)) {
        m_outside = Ithem{};
        return m_outside;
    }
    return *m_items[std::size_t(index)];
}

const Ithem& ColectionMain::Item(qint16 index) const
{
    static const Ithem outside;
    return contains(index) ? *m_items[std::size_t(index)] : outside;
}

bool ColectionMain::AddNewIthem(const QString& value, qint16 index, const QString& kay,
                                const QString& tag)
{
    if (index > Count() || m_items.size() >= std::size_t(kMostDocuments)) {
        prompts().platformMessage(QStringLiteral("indeqsi araa swore."),
                                  Prompts::PlatformIcon::Critical, QStringLiteral("ColectionMain"));
        return false;
    }
    const qint16 slot = index < 0 ? Count() : index;
    auto item = std::make_unique<Ithem>();
    item->Index = slot;
    item->Serial = ++m_lastSerial;
    item->Value = value;
    item->Kay = kay;
    item->Tag = tag;
    m_items.insert(m_items.begin() + slot, std::move(item));
    return true;
}

void ColectionMain::RemoveIthem(qint16 index)
{
    if (contains(index))
        m_items.erase(m_items.begin() + index);
}

void ColectionMain::Cler()
{
    m_items.clear();
}

bool anyDocumentChanged(const ColectionMain& docs)
{
    for (qint16 i = 0; i < docs.Count(); ++i) {
        if (docs.Item(i).Changed)
            return true;
    }
    return false;
}

bool anyDocumentOutsideProject(const ColectionMain& docs)
{
    for (qint16 i = 0; i < docs.Count(); ++i) {
        if (!docs.Item(i).IsInWEB)
            return true;
    }
    return false;
}
