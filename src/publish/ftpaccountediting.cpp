#include "publish/ftpaccountediting.h"

#include "platform/bytetext.h"

#include <algorithm>

namespace {

// What the description box of a new account starts with.
const QString kNewAccountDescription = QStringLiteral("New FTP Account");

bool storable(const QString& box)
{
    return !box.isEmpty() && isByteText(box) && !box.contains(kFieldSeparator) &&
           !box.contains(QLatin1Char('\r')) && !box.contains(QLatin1Char('\n'));
}

} // namespace

std::optional<AccountBoxes> FtpAccountEditing::selectAccount(int index)
{
    const QStringList fields = m_accounts.GetAccountFields(index);
    if (fields.isEmpty())
        return std::nullopt;
    AccountBoxes boxes;
    std::copy(fields.begin(), fields.end(), boxes.begin());
    boxes[kPasswordDigits] = DecodeDigits(fields[kPasswordDigits]).value_or(QString());
    m_editIndex = index;
    m_editMode = true;
    return boxes;
}

AccountBoxes FtpAccountEditing::newAccount()
{
    m_editMode = false;
    AccountBoxes boxes;
    boxes[kDescription] = kNewAccountDescription;
    return boxes;
}

FtpAccountEditing::Entered FtpAccountEditing::enterAccount(const AccountBoxes& boxes)
{
    if (!std::all_of(boxes.begin(), boxes.end(), storable))
        return {};
    QStringList fields(boxes.begin(), boxes.end());
    fields[kPasswordDigits] = EncodeDigits(boxes[kPasswordDigits]);
    const QString line = fields.join(kFieldSeparator);

    const bool editing = m_editMode && m_editIndex >= 0 && m_editIndex < m_accounts.count();
    m_editMode = false;
    if (editing) {
        m_accounts.replace(m_editIndex, line);
        return {Entered::Replaced, m_editIndex};
    }
    m_accounts.append(line);
    return {Entered::Appended, m_accounts.count() - 1};
}

std::optional<int> FtpAccountEditing::deleteAccount(int selected)
{
    if (selected < 0 || selected >= m_accounts.count())
        return std::nullopt;
    m_accounts.remove(selected);
    m_editMode = false;
    return std::min(selected, m_accounts.count() - 1);
}
