#include "documents/opentree.h"

#include <QSet>

#include "core/collection.h"
#include "documents/documentfiles.h"
#include "documents/fileextension.h"

#include <array>

namespace {

struct Pass
{
    std::initializer_list<const char*> extensions;
    TreeGroup group;
    int image;
};

// Passes 1 to 8; pass 9 takes every other file.
const std::array<Pass, 8> kPasses{{
    {{"HTML", "HTM", "SHTML", "MHT", "MHTML", "HPF", "HTT"}, TreeGroup::WebFiles, 27},
    {{"CSS", "CGI"}, TreeGroup::WebFiles, 29},
    {{"ASP"}, TreeGroup::WebFiles, 30},
    {{"VBS", "JS", "WSF"}, TreeGroup::WebFiles, 28},
    {{"XML"}, TreeGroup::WebFiles, 33},
    {{"PHP", "PHP3"}, TreeGroup::WebFiles, 35},
    {{"JPG", "GIF", "PNG", "BMP", "WMF"}, TreeGroup::Pictures, kPictureImage},
    {{"MP3", "WAV", "MID", "RA", "RM", "FLA"}, TreeGroup::Sounds, kSoundImage},
}};
constexpr int kPassCount = int(kPasses.size()) + 1;
constexpr FileKind kOtherKind{TreeGroup::Other, 26, kPassCount};

const char* const kSortedExtensions[] = {"HTML", "HTM", "SHTML", "STM",  "HTW", "HTX", "CSS",
                                         "ASP",  "XML", "PHP",   "PHP3", "JS",  "VBS", "ASA",
                                         "TXT",  "INI", "INF",   "GIF",  "JPG", "PNG", "BMP",
                                         "WMF",  "DIB", "MP3",   "WMA",  "MID", "RA",  "RM"};

} // namespace

QString treeGroupText(TreeGroup group)
{
    static const char* const texts[kTreeGroupCount] = {"WEB Files", "Image", "Audio", "Other"};
    return QString::fromLatin1(texts[int(group)]);
}

FileKind fileKindOf(const QString& title)
{
    const QString extension = upperExtension(title);
    for (int i = 0; i < int(kPasses.size()); ++i) {
        for (const char* listed : kPasses[i].extensions) {
            if (extension == QLatin1String(listed))
                return {kPasses[i].group, kPasses[i].image, i + 1};
        }
    }
    return kOtherKind;
}

std::vector<FileNode> fileNodes(const ColectionMain& docs)
{
    FileNodeList list;
    return list.rebuild(docs);
}

const std::vector<FileNode>& FileNodeList::rebuild(const ColectionMain& docs)
{
    const auto count = std::size_t(docs.Count());
    m_titles.resize(count);
    m_kinds.resize(count, kOtherKind); // the kind of the empty title a new slot starts with
    // One bucket per pass keeps each pass in index order: linear in the documents.
    std::array<std::vector<FileNode>, kPassCount> passes;
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const QString& title = docs.Item(i).FileTitle;
        const auto slot = std::size_t(i);
        if (m_titles[slot] != title) {
            m_titles[slot] = title;
            m_kinds[slot] = fileKindOf(title);
        }
        const FileKind kind = m_kinds[slot];
        passes[kind.pass - 1].push_back({kind.group, kind.image, i, title});
    }
    m_nodes.clear();
    for (auto& pass : passes)
        m_nodes.insert(m_nodes.end(), std::make_move_iterator(pass.begin()),
                       std::make_move_iterator(pass.end()));
    return m_nodes;
}

QStringList siasorti(const QStringList& names)
{
    QStringList sorted;
    for (const char* extension : kSortedExtensions) {
        for (const QString& name : names) {
            if (upperExtension(name) == QLatin1String(extension))
                sorted << name;
        }
    }
    // Every slot left is filled with the first name not yet placed, if any is left.
    QSet<QString> placed(sorted.cbegin(), sorted.cend());
    for (const QString& name : names) {
        if (sorted.size() == names.size())
            break;
        if (!placed.contains(name)) {
            sorted << name;
            placed.insert(name);
        }
    }
    while (sorted.size() < names.size())
        sorted << QString();
    return sorted;
}
