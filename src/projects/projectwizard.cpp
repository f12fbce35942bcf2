#include "projects/projectwizard.h"

#include "core/filepath.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "documents/fileextension.h"
#include "documents/pageskeleton.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/filewriter.h"
#include "platform/paths.h"
#include "projects/weblist.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <array>

namespace {} // namespace

QString HTMLheaderi(const QString& title, const ProgProps& props)
{
    return pageSkeleton(title, QString(), props);
}

int wizardFileType(const QString& name)
{
    static const QHash<QString, int> kTypes = {
        {QStringLiteral("HTM"), 1},  {QStringLiteral("HTML"), 1},  {QStringLiteral("SHTML"), 1},
        {QStringLiteral("STM"), 1},  {QStringLiteral("JS"), 2},    {QStringLiteral("VBS"), 2},
        {QStringLiteral("CSS"), 3},  {QStringLiteral("ASP"), 4},   {QStringLiteral("GIF"), 6},
        {QStringLiteral("JPG"), 6},  {QStringLiteral("PNG"), 6},   {QStringLiteral("WMF"), 6},
        {QStringLiteral("BMP"), 6},  {QStringLiteral("DIB"), 6},   {QStringLiteral("TXT"), 7},
        {QStringLiteral("INI"), 7},  {QStringLiteral("INF"), 7},   {QStringLiteral("XML"), 8},
        {QStringLiteral("MP3"), 9},  {QStringLiteral("MID"), 9},   {QStringLiteral("WMA"), 9},
        {QStringLiteral("RA"), 9},   {QStringLiteral("RM"), 9},    {QStringLiteral("WAV"), 9},
        {QStringLiteral("PHP"), 10}, {QStringLiteral("PHP3"), 10},
    };
    return kTypes.value(upperExtension(name), 5);
}

QString newPageName(int itemCount)
{
    return QStringLiteral("NewPage") + QString::number(itemCount) + QStringLiteral(".HTML");
}

std::vector<WizardItem> SortFileList(const std::vector<WizardItem>& items)
{
    if (items.size() < 3)
        return items;
    static constexpr std::array<int, 10> kGroupOrder = {1, 3, 4, 2, 8, 10, 7, 6, 9, 5};
    std::vector<WizardItem> sorted;
    sorted.reserve(items.size());
    for (const int group : kGroupOrder) {
        for (const WizardItem& item : items) {
            if (item.icon == group)
                sorted.push_back(item);
        }
    }
    // An item whose picture is none of the ten stays, after the others.
    for (const WizardItem& item : items) {
        if (std::find(kGroupOrder.cbegin(), kGroupOrder.cend(), item.icon) == kGroupOrder.cend())
            sorted.push_back(item);
    }
    return sorted;
}

std::optional<QString> renamedWizardItem(const QString& oldText, const QString& typed)
{
    if (typed.isEmpty() || HasBadFileNameChars(typed))
        return std::nullopt;
    return renamedTitle(oldText, typed);
}

namespace {

// A name that can be a file of the project folder and a line of its list.
bool isProjectFileName(const QString& name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") &&
           !HasBadFileNameChars(name) && isListableName(name);
}

// The file a copy target already is: copying it onto itself is no copy.
bool sameFile(const QString& a, const QString& b)
{
    return fileIdentity(a) == fileIdentity(b);
}

// A page's title as byte text: a letter no 8-bit byte holds becomes its numeric reference.
QString pageTitle(const QString& fileName)
{
    return DisplayMap::get(DisplayMapKind::Latin).fromShown(fileName);
}

CreationPlan refused(CreationRefusal refusal, const QString& name = QString())
{
    CreationPlan plan;
    plan.refusal = refusal;
    plan.refusedName = name;
    return plan;
}

} // namespace

CreationPlan planProjectCreation(const QString& name, const QString& folder,
                                 const std::vector<WizardItem>& items)
{
    if (items.empty())
        return refused(CreationRefusal::EmptyList);
    if (name.isEmpty() || !isProjectFileName(name + QStringLiteral(".WEB")))
        return refused(CreationRefusal::BadProjectName, name);
    if (!QFileInfo(folder).isDir())
        return refused(CreationRefusal::NoFolder, folder);

    CreationPlan plan;
    const QString place = FilePath(folder).path();
    const QString listName = name + QStringLiteral(".WEB");
    plan.listPath = joinPath(place, listName);
    if (QFileInfo::exists(plan.listPath))
        plan.replaced << plan.listPath;
    QSet<QString> names = {listName.toCaseFolded()};
    QStringList entries;
    for (const WizardItem& item : items) {
        const bool copy = !item.tag.isEmpty();
        if (copy && !QFileInfo(item.tag).isFile()) {
            plan.gone << item.tag;
            continue;
        }
        // A copied file keeps its own name whatever the row shows.
        const QString fileName = copy ? pathTitle(item.tag) : item.text;
        if (!isProjectFileName(fileName))
            return refused(CreationRefusal::BadFileName, fileName);
        if (names.contains(fileName.toCaseFolded()))
            return refused(CreationRefusal::SameFile, fileName);
        names.insert(fileName.toCaseFolded());
        entries << fileName;

        const QString target = joinPath(place, fileName);
        if (copy && sameFile(item.tag, target))
            continue;
        if (QFileInfo::exists(target))
            plan.replaced << target;
        plan.files.push_back(
            {target, copy ? item.tag : QString(), copy ? QString() : pageTitle(fileName)});
    }
    if (entries.isEmpty()) {
        CreationPlan none = refused(CreationRefusal::EmptyList);
        none.gone = plan.gone;
        return none;
    }
    plan.listBytes = wizardWebList(entries);
    return plan;
}

CreationResult createProject(const CreationPlan& plan, const ProgProps& props)
{
    QString error;
    const auto failed = [&error](const QString& path) {
        return CreationResult{false, path, error};
    };
    for (const PlannedFile& file : plan.files) {
        const bool written =
            file.source.isEmpty()
                ? writeWholeFile(file.target, textToBytes(HTMLheaderi(file.title, props) + kCrLf),
                                 &error)
                : copyWholeFile(file.source, file.target, &error);
        if (!written)
            return failed(file.target);
    }
    if (!writeWholeFile(plan.listPath, plan.listBytes, &error))
        return failed(plan.listPath);
    return {true, {}, {}};
}
