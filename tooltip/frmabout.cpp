#include "tooltip/frmabout.h"

#include "tooltip/about_gradient.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quickinfo {

namespace {

constexpr qint32 Navy = 0x800000;
constexpr qint32 White = 0xFFFFFF;

// The vendor's postal address, one line each: name, line of business, street, town, country.
const QStringList VendorAddress = {
    QStringLiteral("Zavelin Softwarehaus"), QStringLiteral("Komponenten für Entwickler"),
    QStringLiteral("Beispielweg 12"), QStringLiteral("12345 Musterstadt"), QStringLiteral("Deutschland")};

// The vendor's logo: a rounded square with the letter Z, drawn here rather than shipped.
QPixmap vendorLogo()
{
    QPixmap logo(48, 48);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
    p.fillPath(box, QColor(0, 0, 128));
    p.setPen(QPen(QColor(255, 204, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(14, 14), QPointF(34, 14), QPointF(14, 34), QPointF(34, 34)}));
    return logo;
}

// A small decorative picture: three stacked speech bubbles, the component's subject.
QPixmap bubbles(const QColor& colour)
{
    QPixmap pic(40, 32);
    pic.fill(Qt::transparent);
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(colour);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(2 + 4 * i, 2 + 8 * i, 30, 10), 3, 3);
    return pic;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* linkLabel(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* l = label(parent, name, text);
    l->setCursor(Qt::PointingHandCursor);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #0000c0;"));
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget* parent, LinkOpener opener)
    : QDialog(parent), m_opener(opener ? std::move(opener) : desktopLinkOpener())
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("zavQuickInfo ActiveX-DLL"));
    setAttribute(Qt::WA_OpaquePaintEvent);

    Picture1 = label(this, QStringLiteral("Picture1"), {});
    Picture1->setPixmap(bubbles(QColor(255, 255, 225)));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("zavQuickInfo ActiveX-DLL"));
    QFont title = Label3->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label3->setFont(title);
    Label3->setStyleSheet(QStringLiteral("color: white;"));
    Label6 = label(this, QStringLiteral("Label6"),
                   QStringLiteral(">>> mehrzeilige ToolTip-Texte\n"
                                  ">>> individuelle Vorder- und Hintergrundfarbe\n"
                                  ">>> Freeware: frei für private und kommerzielle Programme"));
    Label6->setStyleSheet(QStringLiteral("color: white;"));
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("für C++-Anwendungen mit Qt-Widgets unter Linux"));
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    imgLogo = label(this, QStringLiteral("imgLogo"), {});
    imgLogo->setPixmap(vendorLogo());
    imgLogo->setToolTip(QStringLiteral("Besuchen Sie uns im Internet"));
    imgLogo->setCursor(Qt::PointingHandCursor);
    Label1 = label(this, QStringLiteral("Label1"), VendorAddress.first());
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Kleine Bausteine, große Wirkung"));
    lblCompany = label(this, QStringLiteral("lblCompany"), {});
    Image1 = label(this, QStringLiteral("Image1"), {});
    Image1->setPixmap(bubbles(QColor(200, 220, 255)));
    Label7 = linkLabel(this, QStringLiteral("Label7"), VendorWeb);
    lblMail = linkLabel(this, QStringLiteral("lblMail"), VendorMail);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(Picture1);
    head->addWidget(Label3, 1);
    layout->addLayout(head);
    layout->addWidget(Label6);
    layout->addWidget(Label5);
    layout->addWidget(Line1);
    auto* vendor = new QHBoxLayout;
    vendor->addWidget(imgLogo, 0, Qt::AlignTop);
    auto* vendorText = new QVBoxLayout;
    vendorText->addWidget(Label1);
    vendorText->addWidget(Label2);
    vendorText->addWidget(lblCompany);
    vendor->addLayout(vendorText, 1);
    vendor->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(vendor);
    layout->addWidget(Label7);
    layout->addWidget(lblMail);

    for (QLabel* clickable : {imgLogo, Label7, lblMail})
        clickable->installEventFilter(this);
    Form_Load();
}

void frmAbout::Form_Load()
{
    lblCompany->setText(VendorAddress.join(QLatin1Char('\n')));
}

void frmAbout::imgLogo_Click()
{
    URLGoTo(this, VendorWeb, m_opener);
}

void frmAbout::Label7_Click()
{
    URLGoTo(this, VendorWeb, m_opener);
}

void frmAbout::lblMail_Click()
{
    URLGoTo(this, QStringLiteral("mailto:") + VendorMail, m_opener);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == imgLogo)
            imgLogo_Click();
        else if (watched == Label7)
            Label7_Click();
        else if (watched == lblMail)
            lblMail_Click();
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent*)
{
    MakeGradient(Navy, White, 1);
}

void frmAbout::MakeGradient(qint32 FromColor, qint32 ToColor, int Direction)
{
    // The band count follows the screen's colour depth, taken once for the window.
    if (m_bandCount == 0)
        m_bandCount = GradientBandCount(depth());
    QPainter painter(this);
    for (const GradientBand& band : MakeGradientBands(width(), height(), FromColor, ToColor, Direction, m_bandCount)) {
        const common::ColourValue c = band.colour;
        painter.fillRect(band.rect, QColor(common::redOf(c), common::greenOf(c), common::blueOf(c)));
    }
}

} // namespace quickinfo
