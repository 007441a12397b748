#include "app/OverPrentvel.h"

#include "platform/DesktopShell.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

QString versionLine()
{
    return QCoreApplication::translate("OverPrentvel", "Versie %1").arg(QStringLiteral(PRENTVEL_VERSION));
}

QString platformLine()
{
    return QCoreApplication::translate("OverPrentvel", "Platform: %1, %2 (%3-bit)")
        .arg(QSysInfo::prettyProductName(), QSysInfo::currentCpuArchitecture())
        .arg(QSysInfo::WordSize);
}

OverPrentvel::OverPrentvel(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("OverPrentvel");
    setWindowTitle(tr(" Over Prentvel"));

    auto* name = new QLabel(QStringLiteral("Prentvel"), this);
    name->setObjectName("NaamLabel");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    name->setFont(bold);
    auto* purpose = new QLabel(tr("Zelf prentbriefkaarten ontwerpen en afdrukken."), this);
    purpose->setObjectName("OmschrijvingLabel");
    VersieLabel = new QLabel(versionLine(), this);
    VersieLabel->setObjectName("VersieLabel");
    PlatformLabel = new QLabel(platformLine(), this);
    PlatformLabel->setObjectName("PlatformLabel");
    PlatformLabel->setTextFormat(Qt::PlainText);

    HandleidingKnop = new QPushButton(tr("Handleiding"), this);
    HandleidingKnop->setObjectName("HandleidingKnop");
    HandleidingKnop->setToolTip(tr(" Opent de handleiding (help.pdf) "));
    SluitenKnop = new QPushButton(tr("Sluiten"), this);
    SluitenKnop->setObjectName("SluitenKnop");
    SluitenKnop->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(HandleidingKnop);
    buttons->addWidget(SluitenKnop);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {name, purpose, VersieLabel, PlatformLabel})
        layout->addWidget(label);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(HandleidingKnop, &QPushButton::clicked, this, [this] { OpenDocument(this, manualPath()); });
    connect(SluitenKnop, &QPushButton::clicked, this, &QDialog::accept);
}
