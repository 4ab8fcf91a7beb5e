#include "chart/pages/axespage.h"
#include "chart/control/datetext.h"
#include "common/dateserial.h"
#include "common/error.h"
#include "common/format.h"
#include "common/messages.h"
#include "common/numread.h"
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

namespace vexachart {

namespace {

template <class W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

const std::array<QString, 6> InitialLower{QStringLiteral("2001"), QStringLiteral("01"), QStringLiteral("01"),
    QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00")};
const std::array<QString, 6> InitialUpper{QStringLiteral("3000"), QStringLiteral("12"), QStringLiteral("31"),
    QStringLiteral("23"), QStringLiteral("59"), QStringLiteral("59")};

const std::array<QString, 7>& formatProperty()
{
    static const std::array<QString, 7> names{QStringLiteral("TimeFormatCursor"), QStringLiteral("TimeFormat1"),
        QStringLiteral("TimeFormat2"), QStringLiteral("TimeFormat3"), QStringLiteral("TimeFormat4"),
        QStringLiteral("TimeFormat5"), QStringLiteral("TimeFormat6")};
    return names;
}

// A border as the box shows it: a number in the locale's form, a date-time text as it is.
QString borderText(const Variant& v, const QLocale& locale)
{
    if (v.isNumeric())
        return common::formatGeneral(v.toDouble(), locale);
    return v.toString();
}

QString joinParts(const std::array<QLineEdit*, 6>& boxes)
{
    QStringList parts;
    for (QLineEdit* b : boxes)
        parts << b->text();
    return parts.join(QLatin1Char('/'));
}

std::array<QString, 6> partTexts(const ChartDateParts& p)
{
    return {QString::number(p.Year), QString::number(p.Month), QString::number(p.Day), QString::number(p.Hour),
        QString::number(p.Minute), QString::number(p.Second)};
}

// One axis' borders as the control will receive them, with the value its border check compares.
struct AxisBorders {
    Variant min, max;
    double minValue = 0, maxValue = 0;
};

} // namespace

QString ProPage_AXGrph_P6::invalidChangesTitle()
{
    return QStringLiteral("Non valid changes");
}

QString ProPage_AXGrph_P6::invalidChangesText()
{
    return QStringLiteral("\nSorry, the selected values are not valid. The"
                          "\nmin-values must be <  then max-values. "
                          "\nNo negative min-values and max-values when"
                          "\nLOG-scaling is selected .");
}

ProPage_AXGrph_P6::ProPage_AXGrph_P6(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AXGrph_P6"), QStringLiteral("Chart Range"), services, parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("Label2"), QStringLiteral("Chart-Options")));
    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->addTab(buildAxisTab(0), QStringLiteral("X-Axis"));
    SSTab1->addTab(buildAxisTab(1), QStringLiteral("Y-Axis"));
    SSTab1->addTab(buildFormatsTab(), QStringLiteral("Date/Time-Formats"));
    outer->addWidget(SSTab1, 1);
    for (int a = 0; a < 2; ++a)
        OptScaleNotation_Click(a, 0);
    setChanged(false);
}

QWidget* ProPage_AXGrph_P6::buildAxisTab(int a)
{
    const bool x = a == 0;
    const QString L = x ? QStringLiteral("X") : QStringLiteral("Y");
    Axis& ax = m_axes[static_cast<size_t>(a)];
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);

    auto* top = new QHBoxLayout;
    auto* modeFrame = named(new QGroupBox(QStringLiteral("Scale-Mode"), tab), x ? QStringLiteral("Frame6") : QStringLiteral("Frame1"));
    auto* modeLayout = new QVBoxLayout(modeFrame);
    ax.lin = named(new QRadioButton(QStringLiteral("linear"), modeFrame), QStringLiteral("Opt%1Lin").arg(L));
    ax.log = named(new QRadioButton(QStringLiteral("logarithmic"), modeFrame), QStringLiteral("Opt%1Log").arg(L));
    ax.lin->setChecked(true);
    modeLayout->addWidget(ax.lin);
    modeLayout->addWidget(ax.log);
    modeLayout->addStretch(1);
    top->addWidget(modeFrame);
    for (QRadioButton* b : {ax.lin, ax.log})
        connect(b, &QRadioButton::clicked, this, [this] { setChanged(true); });

    auto* notationFrame = named(new QGroupBox(QStringLiteral("Scaling-Notation"), tab), x ? QStringLiteral("Frame3") : QStringLiteral("Frame7"));
    auto* notationLayout = new QVBoxLayout(notationFrame);
    ax.notationGroup = new QButtonGroup(this);
    const std::array<QString, 3> notationTexts{QStringLiteral("normal    (e.g. 0.001)"),
        QStringLiteral("scientific (e.g. 1E-3)"), QStringLiteral("date/time")};
    for (int k = 0; k < 3; ++k) {
        ax.notation[static_cast<size_t>(k)] = named(new QRadioButton(notationTexts[static_cast<size_t>(k)], notationFrame),
            QStringLiteral("Opt%1ScaleNotation_%2").arg(L).arg(k));
        ax.notationGroup->addButton(ax.notation[static_cast<size_t>(k)], k);
        notationLayout->addWidget(ax.notation[static_cast<size_t>(k)]);
    }
    ax.notation[0]->setChecked(true);
    connect(ax.notationGroup, &QButtonGroup::idClicked, this, [this, a](int id) { OptScaleNotation_Click(a, id); });
    top->addWidget(notationFrame, 1);
    layout->addLayout(top);

    ax.limits = named(new QGroupBox(QStringLiteral("Limits"), tab), QStringLiteral("FraLimits%1").arg(L));
    auto* limitsLayout = new QGridLayout(ax.limits);
    ax.min = named(new QLineEdit(QStringLiteral("0.000"), ax.limits), QStringLiteral("Txt%1Min").arg(L));
    ax.max = named(new QLineEdit(QStringLiteral("0.000"), ax.limits), QStringLiteral("Txt%1Max").arg(L));
    limitsLayout->addWidget(new QLabel(QStringLiteral("%1-min").arg(L), ax.limits), 0, 0);
    limitsLayout->addWidget(ax.min, 0, 1);
    limitsLayout->addWidget(new QLabel(QStringLiteral("%1-max").arg(L), ax.limits), 1, 0);
    limitsLayout->addWidget(ax.max, 1, 1);
    limitsLayout->setColumnStretch(2, 1);
    for (QLineEdit* box : {ax.min, ax.max}) {
        box->setMinimumWidth(150);
        selectAllOnFocus(box, true);
        connect(box, &QLineEdit::textEdited, this, [this] { setChanged(true); });
    }
    layout->addWidget(ax.limits);

    const std::array<QString, 2> dateTitles = x
        ? std::array<QString, 2>{QStringLiteral("Left Border for Date &&Time"), QStringLiteral("Right Borders for Date &&Time")}
        : std::array<QString, 2>{QStringLiteral("Lower Borders for Date &&Time"), QStringLiteral("Upper Borders for Date &&Time")};
    auto* dates = new QHBoxLayout;
    for (int side = 0; side < 2; ++side) {
        auto* frame = named(new QGroupBox(dateTitles[static_cast<size_t>(side)], tab),
            QStringLiteral("fraDateBorder%1_%2").arg(L).arg(side));
        ax.dateBorder[static_cast<size_t>(side)] = frame;
        auto* grid = new QGridLayout(frame);
        grid->addWidget(new QLabel(QStringLiteral("yyyy:mm:dd"), frame), 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("hh:mm:ss"), frame), 1, 0);
        auto& boxes = side == 0 ? ax.lowerBorder : ax.upperBorder;
        const auto& initial = side == 0 ? InitialLower : InitialUpper;
        for (int k = 0; k < 6; ++k) {
            auto* box = named(new QLineEdit(initial[static_cast<size_t>(k)], frame),
                QStringLiteral("txt%1Border%2_%3").arg(side == 0 ? QStringLiteral("Lower") : QStringLiteral("Upper"), L).arg(k));
            box->setFixedWidth(52);
            boxes[static_cast<size_t>(k)] = box;
            grid->addWidget(box, k / 3, 1 + k % 3);
            selectAllOnFocus(box, false);
            connect(box, &QLineEdit::textEdited, this, [this] { setChanged(true); });
        }
        dates->addWidget(frame);
    }
    dates->addStretch(1);
    layout->addLayout(dates);
    layout->addStretch(1);
    return tab;
}

QWidget* ProPage_AXGrph_P6::buildFormatsTab()
{
    static const std::array<const char*, 7> rows{"Cursor", "5y and more", "6 to 60 Months", "5 to 150 Days",
        "5 to 120 Hours", "5 to 300 Minutes", "less than 300s"};
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->addWidget(named(new QLabel(QStringLiteral("X/Y-Scales-Notation for Time-Range:"), tab), QStringLiteral("Label7")), 0, 0, 1, 3);
    int row = 1;
    for (int i = 0; i < 7; ++i) {
        const auto k = static_cast<size_t>(i);
        grid->addWidget(named(new QLabel(QString::fromUtf8(rows[k]), tab), QStringLiteral("lblTimeFormat_%1").arg(i)), row, 0);
        txtTimeFormat[k] = named(new QLineEdit(tab), QStringLiteral("txtTimeFormat_%1").arg(i));
        txtTimeFormat[k]->setMinimumWidth(230);
        txtFormatExample[k] = named(new QLineEdit(tab), QStringLiteral("txtFormatExample_%1").arg(i));
        txtFormatExample[k]->setReadOnly(true);
        txtFormatExample[k]->setFocusPolicy(Qt::NoFocus);
        txtFormatExample[k]->setMinimumWidth(200);
        grid->addWidget(txtTimeFormat[k], row, 1);
        // The cursor's example sits below its pattern, the others beside theirs.
        if (i == 0) {
            ++row;
            grid->addWidget(txtFormatExample[k], row, 1);
        } else {
            grid->addWidget(txtFormatExample[k], row, 2);
        }
        ++row;
        selectAllOnFocus(txtTimeFormat[k], true);
        connect(txtTimeFormat[k], &QLineEdit::textEdited, this, [this, i] { txtTimeFormat_Change(i); });
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    return tab;
}

int ProPage_AXGrph_P6::selectedNotation(int a) const
{
    return m_axes.at(static_cast<size_t>(a)).notationGroup->checkedId();
}

void ProPage_AXGrph_P6::OptScaleNotation_Click(int a, int Index)
{
    Axis& ax = m_axes.at(static_cast<size_t>(a));
    setChanged(true);
    const bool date = Index == 2;
    for (QGroupBox* f : ax.dateBorder)
        f->setVisible(date);
    ax.limits->setVisible(!date);
    // A date/time axis is always linear.
    if (date)
        ax.lin->setChecked(true);
    ax.log->setEnabled(!date);
}

bool ProPage_AXGrph_P6::refreshExample(int index)
{
    const auto k = static_cast<size_t>(index);
    try {
        const QDateTime now = m_now();
        const double serial = common::serialFromParts(now.date().year(), now.date().month(), now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second());
        txtFormatExample[k]->setText(common::formatDate(serial, txtTimeFormat[k]->text(), m_locale));
        return true;
    } catch (const common::Error&) {
        txtFormatExample[k]->setText(QStringLiteral("..."));
        return false;
    }
}

void ProPage_AXGrph_P6::txtTimeFormat_Change(int Index)
{
    if (refreshExample(Index))
        setChanged(true);
}

void ProPage_AXGrph_P6::load(ControlAccess& control)
{
    const int xMode = control.get(QStringLiteral("XAxisLinLogMode")).toInt16();
    const int yMode = control.get(QStringLiteral("YAxisLinLogMode")).toInt16();
    const std::array<int, 2> notation{control.get(QStringLiteral("XScalingNotation")).toInt16(),
        control.get(QStringLiteral("YScalingNotation")).toInt16()};
    const std::array<Variant, 4> borders{control.get(QStringLiteral("XMinGlobal")), control.get(QStringLiteral("XMaxGlobal")),
        control.get(QStringLiteral("YMinGlobal")), control.get(QStringLiteral("YMaxGlobal"))};
    std::array<QString, 7> formats;
    for (size_t i = 0; i < 7; ++i)
        formats[i] = control.get(formatProperty()[i]).toString();
    // Date parts of the date/time axes; a stored date that cannot be read keeps that axis'
    // date boxes as they are and is reported once the rest is loaded.
    std::array<std::optional<std::array<QString, 12>>, 2> dateParts;
    std::optional<common::Error> dateError;
    for (size_t a = 0; a < 2; ++a) {
        if (notation[a] != 2)
            continue;
        try {
            const auto lower = partTexts(SplitDateTime(TimeStringToDate(borders[2 * a].toString(m_locale), m_locale)));
            const auto upper = partTexts(SplitDateTime(TimeStringToDate(borders[2 * a + 1].toString(m_locale), m_locale)));
            std::array<QString, 12> both;
            std::copy(lower.begin(), lower.end(), both.begin());
            std::copy(upper.begin(), upper.end(), both.begin() + 6);
            dateParts[a] = both;
        } catch (const common::Error& e) {
            if (!dateError)
                dateError = e;
        }
    }

    const std::array<int, 2> modes{xMode, yMode};
    for (size_t a = 0; a < 2; ++a) {
        Axis& ax = m_axes[a];
        (modes[a] == 0 ? ax.lin : ax.log)->setChecked(true);
        if (notation[a] >= 0 && notation[a] <= 2) {
            ax.notation[static_cast<size_t>(notation[a])]->setChecked(true);
            OptScaleNotation_Click(static_cast<int>(a), notation[a]);
        }
        ax.min->setText(borderText(borders[2 * a], m_locale));
        ax.max->setText(borderText(borders[2 * a + 1], m_locale));
        if (dateParts[a]) {
            for (size_t k = 0; k < 6; ++k) {
                ax.lowerBorder[k]->setText((*dateParts[a])[k]);
                ax.upperBorder[k]->setText((*dateParts[a])[k + 6]);
            }
        }
    }
    for (size_t i = 0; i < 7; ++i) {
        txtTimeFormat[i]->setText(formats[i]);
        refreshExample(static_cast<int>(i));
    }
    if (dateError)
        reportError(*dateError);
}

void ProPage_AXGrph_P6::showInvalidChanges()
{
    if (services().messages)
        services().messages->show(invalidChangesText(), common::mb::Information | common::mb::OkOnly, invalidChangesTitle());
}

void ProPage_AXGrph_P6::apply(ControlAccess& control)
{
    m_applyOk = false;
    std::optional<WaitCursor> wait;
    wait.emplace();
    std::array<AxisBorders, 2> borders;
    std::array<qint16, 2> modes{};
    std::array<qint16, 2> notations{};
    // Everything is converted and checked before the first write, so refused values leave the
    // control as it was.
    try {
        for (size_t a = 0; a < 2; ++a) {
            const Axis& ax = m_axes[a];
            modes[a] = ax.lin->isChecked() ? 0 : 1;
            notations[a] = static_cast<qint16>(ax.notationGroup->checkedId());
            AxisBorders& b = borders[a];
            if (notations[a] != 2) {
                b.minValue = common::readNumber(ax.min->text(), m_locale);
                b.maxValue = common::readNumber(ax.max->text(), m_locale);
                b.min = b.minValue;
                b.max = b.maxValue;
            } else {
                b.min = joinParts(ax.lowerBorder);
                b.max = joinParts(ax.upperBorder);
                b.minValue = TimeStringToDate(b.min.toString(m_locale), m_locale);
                b.maxValue = TimeStringToDate(b.max.toString(m_locale), m_locale);
            }
            if (b.minValue >= b.maxValue || (modes[a] == 1 && b.minValue <= 0.0) || notations[a] < 0)
                common::raise(common::errc::InvalidArgument);
        }
    } catch (const common::Error&) {
        wait.reset();
        showInvalidChanges();
        return;
    }

    // What the writes replace, to put back when the control still refuses.
    std::array<Variant, 2> oldNotation;
    std::array<Variant, 7> oldFormats;
    try {
        oldNotation[0] = control.get(QStringLiteral("XScalingNotation"));
        oldNotation[1] = control.get(QStringLiteral("YScalingNotation"));
        for (size_t i = 0; i < 7; ++i)
            oldFormats[i] = control.get(formatProperty()[i]);
    } catch (const common::Error&) {
        wait.reset();
        showInvalidChanges();
        return;
    }

    try {
        control.let(QStringLiteral("XScalingNotation"), notations[0]);
        control.let(QStringLiteral("YScalingNotation"), notations[1]);
        for (size_t i = 0; i < 7; ++i)
            control.let(formatProperty()[i], txtTimeFormat[i]->text());
        for (int i = 0; i < 7; ++i)
            refreshExample(i);
        control.call(QStringLiteral("SetGlobalBorders"),
            {borders[0].min, borders[0].max, borders[1].min, borders[1].max, Variant(modes[0]), Variant(modes[1])});
        control.call(QStringLiteral("CreateTestData"));
        control.call(QStringLiteral("SetDisplayBorders"), {borders[0].min, borders[0].max, borders[1].min, borders[1].max});
        m_applyOk = true;
    } catch (const common::Error&) {
        try {
            control.let(QStringLiteral("XScalingNotation"), oldNotation[0]);
            control.let(QStringLiteral("YScalingNotation"), oldNotation[1]);
            for (size_t i = 0; i < 7; ++i)
                control.let(formatProperty()[i], oldFormats[i]);
        } catch (const common::Error&) {
            // The message below is all the developer can be told.
        }
        wait.reset();
        showInvalidChanges();
    }
}

} // namespace vexachart
