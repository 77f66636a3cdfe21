#include "gui/about_form.h"

#include "app/app_settings.h"
#include "gui/dialog_frame.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The product picture: the name on a band of the highlight colour.
QPixmap ProductPicture(const QPalette& palette) {
    QPixmap picture(360, 64);
    QPainter painter(&picture);
    QLinearGradient band(0, 0, picture.width(), 0);
    band.setColorAt(0, palette.color(QPalette::Highlight));
    band.setColorAt(1, palette.color(QPalette::Highlight).lighter(170));
    painter.fillRect(picture.rect(), band);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(26);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect().adjusted(16, 0, 0, 0), Qt::AlignVCenter, ProductTitle);
    return picture;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutForm");
    setWindowTitle("About the Program");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel;
    picture->setPixmap(ProductPicture(palette()));
    layout->addWidget(picture);
    auto* name = new QLabel(ProductTitle);
    name->setObjectName("NameLabel");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);
    auto* version = new QLabel(QString("Version: ") + ProgramVersion);
    version->setObjectName("VersionLabel");
    layout->addWidget(version);
    auto* notice = new QLabel("Copyright \u00A9 Brimlow. Sitevane is free to use for building the "
                              "search engines of your own web sites.");
    notice->setObjectName("CopLabel");
    notice->setWordWrap(true);
    notice->setFixedWidth(360);
    layout->addWidget(notice);
    auto* licence =
        new QLabel(QString("Sitevane is free software: you may share and change it under the GNU "
                           "General Public License, version 2 or later. It is built with Qt %1 "
                           "and poppler %2.")
                       .arg(qVersion(), SITEVANE_POPPLER_VERSION));
    licence->setObjectName("LicenceLabel");
    licence->setWordWrap(true);
    licence->setFixedWidth(360);
    layout->addWidget(licence);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ok->setFocus();
    FixAndCentre(*this);
}
