// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/form2.h"

#include "projectinfo.h"
#include "toolkit/dialogs.h"
#include "toolkit/formlayout.h"
#include "toolkit/formsurface.h"
#include "toolkit/linklabel.h"
#include "toolkit/urlopener.h"

#include <QLayout>
#include <QPushButton>

namespace tavelin {

namespace {
// An address as people write it: without its scheme.
QString withoutScheme(const QUrl& url) {
    const QString address = url.toDisplayString(QUrl::RemoveScheme | QUrl::StripTrailingSlash);
    return address.startsWith(QLatin1String("//")) ? address.sliced(2) : address;
}

template <typename Kind = Label>
Kind* placeLabel(const FormLayout& layout, const char* name, const QString& text,
                 QWidget* surface) {
    auto* label = new Kind(layout.rect(name), layout.alignment(name), surface);
    label->setText(text);
    return label;
}
} // namespace

Form2::Form2(UrlOpener& urls, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint), // fixed size: nothing to maximise
      urls_(urls), dialogs_(dialogs) {
    const FormLayout layout(QStringLiteral(":/layouts/form2.json"));
    setWindowTitle(tr("About"));
    auto* surface = new FormSurface(layout.clientSize(), this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    frame->addWidget(surface);

    Label* gameName = placeLabel(layout, "Label3", tr("Tavelin"), surface);
    QFont title = gameName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    gameName->setFont(title);
    label1_ = placeLabel(layout, "Label1", tr("BY : %1").arg(tr(project::author)), surface);
    label2_ =
        placeLabel<LinkLabel>(layout, "Label2", tr("E-MAIL : %1").arg(project::email), surface);
    label13_ = placeLabel<LinkLabel>(
        layout, "Label13", tr("URL : %1").arg(withoutScheme(QUrl(project::homepage))), surface);
    command1_ = new QPushButton(tr("OK"), surface);
    command1_->setGeometry(layout.rect("Command1"));
    command1_->setDefault(true);
    command1_->setFocus();

    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(label13_, &Label::mouseMoved, this, [this] { Label13_MouseMove(); });
    connect(label2_, &Label::mouseMoved, this, [this] { Label2_MouseMove(); });
    connect(surface, &FormSurface::mouseMoved, this, [this] { Form_MouseMove(); });
    connect(label13_, &Label::clicked, this, [this] { Label13_Click(); });
    connect(label2_, &Label::clicked, this, [this] { Label2_Click(); });
}

void Form2::Command1_Click() {
    accept();
}

void Form2::Label13_MouseMove() {
    showLinkColours(false, true);
}

void Form2::Label2_MouseMove() {
    showLinkColours(true, false);
}

void Form2::Form_MouseMove() {
    showLinkColours(false, false);
}

void Form2::showLinkColours(bool mailUnderMouse, bool webUnderMouse) {
    label2_->setForeColor(mailUnderMouse ? QColor(0, 0, 255) : QColor(0, 0, 0));
    label13_->setForeColor(webUnderMouse ? QColor(0, 0, 255) : QColor(0, 0, 0));
}

void Form2::Label13_Click() {
    openLink(QUrl(project::homepage));
}

void Form2::Label2_Click() {
    openLink(QUrl(QStringLiteral("mailto:%1").arg(project::email)));
}

// Without a browser or mail program the address is shown, for the user to copy.
void Form2::openLink(const QUrl& url) {
    if (!urls_.open(url)) {
        const QString address =
            url.scheme() == QLatin1String("mailto") ? url.path() : url.toString();
        dialogs_.msgBox(tr("No program could be started for this address:\n\n%1").arg(address),
                        Dialogs::Style::Exclamation);
    }
}

} // namespace tavelin
