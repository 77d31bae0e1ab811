#include "ui/window/document_status.h"

#include "session/site_document.h"
#include "ui/window/window_texts.h"

#include <QDir>
#include <QLabel>

DocumentStatus::DocumentStatus(QWidget *window)
    : QStatusBar(window), fileInView_(new QLabel(this)), unsavedMark_(new QLabel(this))
{
    setSizeGripEnabled(false);
    addWidget(fileInView_, 1);
    addPermanentWidget(unsavedMark_);
    // Said once, in the bar: the start-up shows no box of its own for it.
    const QString notice = SiteDocument::takeStartNotice();
    if (!notice.isEmpty()) {
        auto *noticeLabel = new QLabel(notice, this);
        noticeLabel->setWordWrap(true);
        addWidget(noticeLabel, 2);
    }
}

void DocumentStatus::showFile(const SiteDocument &document)
{
    fileInView_->setText(texts::kFileInView.arg(QDir::toNativeSeparators(document.path())));
    unsavedMark_->setText(document.isModified() ? texts::kUnsavedMark : QString());
}
