#include "app/ArchiveViewer.h"

#include "app/TexturePreview.h"

#include "archive/ZEException.h"
#include "archive/ZipEngine.h"
#include "jobs/CheckJob.h"
#include "platform/ProgressSink.h"
#include "platform/UserError.h"
#include "platform/Version.h"
#include "preview/GameTexture.h"
#include "settings/StandardListBuilder.h"
#include "ui/Fonts.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

ArchiveViewer::ArchiveViewer(std::string archivePath, const AppState* installation, QWidget* owner)
    : QWidget(owner, Qt::Window), archivePath_(std::move(archivePath)), installation_(installation) {
    setObjectName("ArchiveViewer");
    const QString path = QString::fromStdString(archivePath_);
    setWindowTitle(QFileInfo(path).fileName() + " - " + kProgramTitle);
    setFont(verdana(8));
    resize(561, 451);

    PathLabel = new QLabel(path, this);
    PathLabel->setObjectName("PathLabel");
    PathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Members = new QListWidget(this);
    Members->setObjectName("Members");
    Members->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CheckButton = new QPushButton("Проверить", this);
    CheckButton->setObjectName("CheckButton");
    CheckResult = new QPlainTextEdit(this);
    CheckResult->setObjectName("CheckResult");
    CheckResult->setReadOnly(true);
    CheckResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    CheckResult->setFixedHeight(96);
    Preview = new QLabel(this);
    Preview->setObjectName("Preview");
    Preview->setFixedSize(160, 160);
    Preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Preview->setAlignment(Qt::AlignCenter);
    PreviewSize = new QLabel(this);
    PreviewSize->setObjectName("PreviewSize");

    auto* preview = new QVBoxLayout;
    preview->addWidget(Preview);
    preview->addWidget(PreviewSize);
    preview->addStretch();
    auto* listing = new QHBoxLayout;
    listing->addWidget(Members);
    listing->addLayout(preview);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CheckButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PathLabel);
    layout->addLayout(listing);
    layout->addLayout(buttons);
    layout->addWidget(CheckResult);

    connect(CheckButton, &QPushButton::clicked, this, &ArchiveViewer::CheckButtonClick);
    connect(Members, &QListWidget::currentRowChanged, this, &ArchiveViewer::MembersClick);
    loadMembers();
}

void ArchiveViewer::loadMembers() {
    TZipEngine archiver("Archiver");
    NoProgress progress;
    NameList members;
    try {
        ListGroMembers(archiver, progress, archivePath_, members, {false, false});
    } catch (...) {
        CheckResult->setPlainText(QString::fromStdString(userMessageOf(std::current_exception())));
        CheckButton->setEnabled(false);
        return;
    }
    for (const std::string& name : members.names()) {
        Members->addItem(QString::fromStdString(name));
    }
}

void ArchiveViewer::CheckButtonClick() {
    QStringList lines;
    const auto checked = checkArchive(archivePath_, installation_);
    for (const std::string& warning : checked.warnings) {
        lines.push_back(QString::fromStdString(warning));
    }
    if (!checked.read()) {
        lines.push_back(QString::fromStdString(checked.failure));
    } else if (checked.warnings.empty()) {
        lines.push_back("No problems found.");
    }
    CheckResult->setPlainText(lines.join('\n'));
}

void ArchiveViewer::MembersClick() {
    const QListWidgetItem* item = Members->currentItem();
    const std::string name = item != nullptr ? item->text().toStdString() : std::string();
    if (isTextureName(name)) {
        showTexture(*Preview, *PreviewSize, archiveTexture(archivePath_, name));
    } else {
        clearTexture(*Preview, *PreviewSize);
    }
}

} // namespace korvane
