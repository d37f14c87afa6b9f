#include "panels/dlgaudio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/fieldtext.h"
#include "db/tables.h"

namespace kvx {

namespace {

enum Column { ColumnPid, ColumnLanguage, ColumnEnc };

QString pidText(uint16_t word)
{
    return word == NO_PID ? QString() : QString::fromStdString(formatField(word & PID_MASK, 4));
}

QString languageText(uint8_t language)
{
    if (language >= kKnownLanguageCount)
        return {};
    const auto code = kAudioLanguages[language];
    return QString::fromLatin1(code.data(), static_cast<int>(code.size()));
}

} // namespace

CDlgAudio::CDlgAudio(QWidget* parent)
        : QDialog(parent)
{
    setObjectName("Audio");
    setWindowTitle(tr("Audio"));
    reportError_ = [this](const QString& text) { QMessageBox::critical(this, "KVXEdit", text); };
    buildControls();
}

void CDlgAudio::buildControls()
{
    entries_ = new QTreeWidget(this);
    entries_->setObjectName("entries");
    entries_->setRootIsDecorated(false);
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);
    entries_->setHeaderLabels({tr("PID"), tr("Language"), tr("Enc")});
    entries_->header()->setDefaultAlignment(Qt::AlignCenter);
    // The three short columns share the list's width: nothing to scroll sideways.
    entries_->header()->setSectionResizeMode(QHeaderView::Stretch);
    entries_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    entries_->setMinimumWidth(330);
    delete_ = new QPushButton(tr("Delete"), this);
    delete_->setObjectName("delete");
    pid_ = new QLineEdit(this);
    pid_->setObjectName("pid");
    language_ = new QComboBox(this);
    language_->setObjectName("language");
    language_->addItem(QString());
    for (int k = 0; k < kKnownLanguageCount; ++k)
        language_->addItem(languageText(static_cast<uint8_t>(k)));
    ac3_ = new QCheckBox("AC3", this);
    ac3_->setObjectName("ac3");
    add_ = new QPushButton(tr("Add"), this);
    add_->setObjectName("add");
    modify_ = new QPushButton(tr("Modify"), this);
    modify_->setObjectName("modify");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("PID"), this), 0, 0);
    fields->addWidget(new QLabel(tr("Language"), this), 0, 1);
    fields->addWidget(new QLabel(tr("Enc"), this), 0, 2);
    fields->addWidget(pid_, 1, 0);
    fields->addWidget(language_, 1, 1);
    fields->addWidget(ac3_, 1, 2);
    // The PID and language boxes stand under their columns, as wide as each other.
    fields->setColumnStretch(0, 1);
    fields->setColumnStretch(1, 1);
    auto* editButtons = new QHBoxLayout;
    editButtons->addStretch(1);
    editButtons->addWidget(add_);
    editButtons->addWidget(modify_);
    auto* listButtons = new QHBoxLayout;
    listButtons->addStretch(1);
    listButtons->addWidget(delete_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entries_, 1);
    layout->addLayout(listButtons);
    layout->addLayout(fields);
    layout->addLayout(editButtons);
    layout->addWidget(buttons);

    connect(entries_, &QTreeWidget::itemSelectionChanged, this, &CDlgAudio::onRowSelectionChanged);
    connect(add_, &QPushButton::clicked, this, &CDlgAudio::OnAdd);
    connect(modify_, &QPushButton::clicked, this, &CDlgAudio::OnModify);
    connect(delete_, &QPushButton::clicked, this, &CDlgAudio::OnDelete);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CDlgAudio::setPidList(const PidList& list)
{
    list_ = list;
    const QSignalBlocker blocker(entries_);
    entries_->clear();
    for (std::size_t k = 0; k < list_.size(); ++k) {
        entries_->addTopLevelItem(new QTreeWidgetItem);
        writeRow(static_cast<int>(k));
    }
    current_ = list_.empty() ? -1 : 0;
    selectCurrentRow();
    showFields(current_);
}

void CDlgAudio::writeRow(int index)
{
    QTreeWidgetItem* row = entries_->topLevelItem(index);
    const AudioInfo entry = list_.entry(static_cast<std::size_t>(index));
    row->setText(ColumnPid, pidText(entry.pidWord));
    row->setText(ColumnLanguage, languageText(entry.language));
    row->setText(ColumnEnc, entry.pidWord != NO_PID && (entry.pidWord & PID_FLAG_AC3) ? "AC3" : "");
    for (int column : {ColumnPid, ColumnLanguage, ColumnEnc})
        row->setTextAlignment(column, Qt::AlignCenter);
}

void CDlgAudio::showFields(int index)
{
    if (index < 0 || index >= static_cast<int>(list_.size())) {
        pid_->clear();
        language_->setCurrentIndex(0);
        ac3_->setChecked(false);
        return;
    }
    const AudioInfo entry = list_.entry(static_cast<std::size_t>(index));
    pid_->setText(pidText(entry.pidWord));
    language_->setCurrentIndex(entry.language < kKnownLanguageCount ? entry.language + 1 : 0);
    ac3_->setChecked(entry.pidWord != NO_PID && (entry.pidWord & PID_FLAG_AC3));
}

void CDlgAudio::selectCurrentRow()
{
    const QSignalBlocker blocker(entries_);
    entries_->clearSelection();
    if (QTreeWidgetItem* row = entries_->topLevelItem(current_)) {
        row->setSelected(true);
        entries_->setCurrentItem(row);
    }
}

void CDlgAudio::onRowSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = entries_->selectedItems();
    // A click beside the rows keeps the current entry.
    if (selected.isEmpty()) {
        selectCurrentRow();
        return;
    }
    QTreeWidgetItem* clicked = entries_->currentItem();
    if (!clicked || !clicked->isSelected())
        clicked = selected.front();
    selectEntry(entries_->indexOfTopLevelItem(clicked));
}

void CDlgAudio::selectEntry(int index)
{
    if (index < 0 || index >= static_cast<int>(list_.size()))
        return;
    current_ = index;
    selectCurrentRow();
    showFields(current_);
}

uint16_t CDlgAudio::readPid() const
{
    return static_cast<uint16_t>(parseNumber(pid_->text().toStdString()) & PID_MASK);
}

uint8_t CDlgAudio::readLanguage() const
{
    const int item = language_->currentIndex();
    return item <= 0 ? NO_LANGUAGE : static_cast<uint8_t>(item - 1);
}

bool CDlgAudio::readEntry(AudioInfo& entry)
{
    const uint16_t pid = readPid();
    if (pid == 0) {
        reportError_(tr("Invalid PID"));
        return false;
    }
    entry.pidWord = static_cast<uint16_t>(pid | (ac3_->isChecked() ? PID_FLAG_AC3 : 0));
    entry.language = readLanguage();
    return true;
}

void CDlgAudio::OnAdd()
{
    AudioInfo entry;
    if (!readEntry(entry))
        return;
    if (list_.size() >= PidList::kMaxEntries) {
        reportError_(tr(kListFullMessage));
        return;
    }
    if (current_ < 0)
        current_ = 0;
    // The list has no insert; rebuild it with the new entry in front of the current one.
    PidList rebuilt;
    rebuilt.reserve(list_.size() + 1);
    for (std::size_t k = 0; k <= list_.size(); ++k) {
        if (static_cast<int>(k) == current_)
            rebuilt.append(entry);
        if (k < list_.size())
            rebuilt.append(list_.entry(k));
    }
    list_ = std::move(rebuilt);
    entries_->insertTopLevelItem(current_, new QTreeWidgetItem);
    writeRow(current_);
    selectCurrentRow();
    showFields(current_);
}

void CDlgAudio::OnModify()
{
    if (current_ < 0)
        return;
    AudioInfo entry;
    if (!readEntry(entry))
        return;
    list_.set(static_cast<std::size_t>(current_), entry);
    writeRow(current_);
}

void CDlgAudio::OnDelete()
{
    if (current_ < 0)
        return;
    list_.removeAt(static_cast<std::size_t>(current_));
    {
        const QSignalBlocker blocker(entries_);
        delete entries_->takeTopLevelItem(current_);
    }
    if (current_ >= static_cast<int>(list_.size()))
        current_ = static_cast<int>(list_.size()) - 1;
    selectCurrentRow();
    showFields(current_);
}

} // namespace kvx
