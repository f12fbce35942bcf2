#include "tags/frmtags.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

QString frmTags::Tagsload(QWidget* owner, const QPoint& screenTopLeft)
{
    frmTags window(owner);
    window.showTemplates(loadTagTemplates().value_or(QList<TagTemplate>()));
    window.move(screenTopLeft);
    window.exec();
    return window.result();
}

QString frmTags::fontebisdatenva(QWidget* owner, const QPoint& screenTopLeft)
{
    frmTags window(owner);
    window.showFonts(QFontDatabase::families());
    window.move(screenTopLeft);
    window.exec();
    return window.result();
}

frmTags::frmTags(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmTags"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("Courier New")));
    MBOK = new QPushButton(QStringLiteral("OK"), this);
    MBOK->setObjectName(QStringLiteral("MBOK"));
    MBOK->setDefault(true);
    MBexit = new QPushButton(QStringLiteral("EXIT"), this);
    MBexit->setObjectName(QStringLiteral("MBexit"));

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(MBOK, &QPushButton::clicked, this, &frmTags::accept);
    connect(MBexit, &QPushButton::clicked, this, &frmTags::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MBOK);
    buttons->addWidget(MBexit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    resize(260, 360);
}

void frmTags::showTemplates(const QList<TagTemplate>& templates)
{
    m_mode = Mode::Templates;
    setWindowTitle(QStringLiteral("HTML Tags"));
    List1->clear();
    m_templates.clear();
    for (const TagTemplate& entry : templates) {
        auto* item = new QListWidgetItem(entry.name, List1);
        item->setData(Qt::UserRole, entry.entry);
        m_templates.insert(entry.entry, entry.text);
    }
    List1->setCurrentRow(0);
}

void frmTags::showFonts(QStringList families)
{
    m_mode = Mode::Fonts;
    setWindowTitle(QStringLiteral("Screen Fonts"));
    std::stable_sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    List1->clear();
    List1->addItems(families);
    List1->setCurrentRow(0);
}

void frmTags::List1_Click()
{
    const QListWidgetItem* item = List1->currentItem();
    if (!item)
        m_result.clear();
    else if (m_mode == Mode::Fonts)
        m_result = item->text();
    else
        m_result = m_templates.value(item->data(Qt::UserRole).value<qsizetype>());
}

void frmTags::reject()
{
    m_result.clear();
    QDialog::reject();
}
