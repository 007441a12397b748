#include "app/Titel.h"

#include "app/Main.h"
#include "app/OverPrentvel.h"
#include "app/StartInfo.h"
#include "app/StartPhoto.h"
#include "platform/Twips.h"
#include "editor/ClockAndHelp.h"
#include "platform/BusyPointer.h"
#include "platform/ClickableLabel.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/SharpPicture.h"
#include "platform/Wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

StartInfo gatherStartInfo(int dpi)
{
    StartInfo info;
    const QString programFile = QCoreApplication::applicationFilePath();
    info.versionText = GetFileVersion(programFile);
    const QFileInfo file(programFile);
    if (file.exists()) {
        info.sizeText = formatFileSize(file.size());
        info.fileDate = file.lastModified();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        info.screenPixels = screen->size();
    info.dpi = dpi;
    return info;
}
}

Titel::Titel(QWidget* parent)
    : QWidget(parent), stripSurface(240, 16)
{
    setObjectName("Titel");
    setWindowTitle(" Prentvel");
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setFixedSize(twipsToPixels(7500), twipsToPixels(4800));

    Image1 = new ClickableLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(rect());
    showSharpPicture(Image1, startPhoto);
    Image1->setCursor(Qt::PointingHandCursor);

    Label4 = new ClickableLabel(tr("Over Prentvel"), this);
    Label4->setObjectName("Label4");
    setTextColor(Label4, QColor(30, 60, 110));
    QFont contact = Label4->font();
    contact.setUnderline(true);
    Label4->setFont(contact);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setToolTip(tr(" Versie en handleiding "));
    placeInTwips(Label4, 990, 885);

    // A blank first, as every tick writes it, so the text stands clear of its label.
    KlokLabel = new QLabel(QStringLiteral(" 00:00:00"), this);
    KlokLabel->setObjectName("KlokLabel");
    setTextColor(KlokLabel, QColor(0, 64, 0));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dpi = dpiFromLogicalDpi(screen->logicalDotsPerInchX());

    Label1 = new ClickableLabel(this);
    Label1->setObjectName("Label1");
    setTextColor(Label1, QColor(64, 64, 64));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setCursor(Qt::PointingHandCursor);
    placeInTwips(Label1, 300, 2100, 3900, 2100);
    QString text = informationText(gatherStartInfo(dpi));
    Label1->setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    placeClock();

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setFrameShape(QFrame::Box);
    setBackground(Label2, Qt::white);
    placeInTwips(Label2, 240, 4260, 3690, 330);

    stripSurface.backColor = RGB(64, 0, 0);
    stripSurface.clear();
    stripSurface.foreColor = RGB(192, 192, 192);
    stripSurface.fontName = QStringLiteral("Liberation Sans");
    stripSurface.fontSize = 8;
    stripSurface.currentX = 3;
    stripSurface.currentY = 1;
    stripSurface.printText(tr("Klik op de foto om te beginnen..."));
    Picture1 = new PictureBox(&stripSurface, this);
    Picture1->setObjectName("Picture1");
    placeInTwips(Picture1, 285, 4305, 3600, 240);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Titel::Timer1_Timer);
    Timer1->start();

    connect(Image1, &ClickableLabel::clicked, this, [this] { Start(); });
    connect(Label1, &ClickableLabel::clicked, this, [this] { Start(); });
    connect(Label4, &ClickableLabel::clicked, this, &Titel::Label4_Click);
}

void Titel::placeClock()
{
    // The clock stands on the information text's last line, "Time / Date..... :",
    // right after it and in the same face.
    KlokLabel->setFont(Label1->font());
    KlokLabel->setMargin(0);
    KlokLabel->setIndent(0);
    KlokLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    KlokLabel->setAttribute(Qt::WA_TransparentForMouseEvents); // a click there still starts
    // Measured the way the label lays its lines out: the last line starts as
    // far below the top as the whole text is taller than that line alone.
    const QFontMetrics metrics(Label1->font());
    const QRect text = Label1->contentsRect().translated(Label1->pos());
    const QString lastLine = Label1->text().section(QLatin1Char('\n'), -1);
    const auto heightOf = [&](const QString& lines) {
        return metrics.boundingRect(QRect(0, 0, text.width(), 100000), int(Label1->alignment()), lines).height();
    };
    const int left = text.left() + metrics.horizontalAdvance(lastLine);
    const int top = text.top() + heightOf(Label1->text()) - heightOf(lastLine);
    KlokLabel->setGeometry(left, top, width() - left, heightOf(lastLine));
    KlokLabel->raise();
}

bool Titel::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &Titel::Form_Activate);
    return handled;
}

void Titel::Form_Activate()
{
    if (dpi == 96 || warned_)
        return;
    warned_ = true;
    Dialogs::showMessage(this, resolutionWarning(dpi), tr(" Error"), Dialogs::Icon::Critical);
}

void Titel::Label4_Click()
{
    auto* window = new OverPrentvel(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void Titel::Timer1_Timer()
{
    KlokLabel->setText(clockCaption(QDateTime::currentDateTime()));
}

Main* Titel::Start()
{
    if (starting_)
        return nullptr;
    starting_ = true;
    showBusyPointer();
    for (int i = 0; i <= 240; ++i) {
        const int c = int(roundHalfEven(i / 2.0 + 130));
        stripSurface.line(i, 0, i, 5, RGB(c, 0, 0));
        stripSurface.line(i, 5, i, 11, RGB(c, c, c));
        stripSurface.line(i, 11, i, 16, RGB(0, 0, c));
        stripSurface.refresh();
        Wacht(0.01);
    }
    Wacht(0.2);
    showNormalPointer();

    auto* main = new Main;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    Q_EMIT mainWindowOpened(main);
    close();
    return main;
}
