#pragma once
// Property pages against real charts: a recording access that logs every member call by name
// (and can be told to fail one member), scripted colour and font dialogs, recorded messages.
#include "../control/chartfixture.h"
#include "chart/pages/controlaccess.h"
#include "chart/pages/pagedialogs.h"
#include "chart/pages/propertypage.h"
#include "common/error.h"
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include "testsupport.h"
#include <QApplication>
#include <QStringList>
#include <deque>
#include <map>

namespace vexachart::testing {

class RecordingAccess : public ControlAccess {
public:
    explicit RecordingAccess(Vexachart& chart) : m_inner(chart) {}

    struct Call {
        InvokeKind kind;
        QString name;
        std::vector<Variant> args;
    };
    std::vector<Call> calls;
    QString failingMember;            // this member raises 438 on every access
    std::map<QString, Variant> reads; // values a get returns instead of the chart's

    Variant invokeByName(const QString& name, InvokeKind kind, std::vector<Variant>& args) override
    {
        calls.push_back({kind, name, args});
        if (name == failingMember)
            common::raise(438, QStringLiteral("Vexachart.") + name, QStringLiteral("member not supported"));
        if (kind == InvokeKind::Get && reads.count(name))
            return reads.at(name);
        return m_inner.invokeByName(name, kind, args);
    }

    // The writes and calls in order, as "Let Title", "Set FontLabels", "Call Refresh".
    QStringList writes() const
    {
        QStringList out;
        for (const Call& c : calls) {
            if (c.kind == InvokeKind::Get)
                continue;
            const char* verb = c.kind == InvokeKind::Let ? "Let " : c.kind == InvokeKind::Set ? "Set " : "Call ";
            out << QString::fromLatin1(verb) + c.name;
        }
        return out;
    }
    // The arguments of the last write or call of a member.
    std::vector<Variant> lastArgs(const QString& name) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->name == name && it->kind != InvokeKind::Get)
                return it->args;
        ADD_FAILURE() << "no write of " << name.toStdString();
        return {};
    }

private:
    ChartAccess m_inner;
};

class FakeDialogs : public PageDialogs {
public:
    std::deque<std::optional<QColor>> colourAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::vector<QColor> colourPresets;
    std::vector<QFont> fontPresets;

    std::optional<QColor> chooseColour(const QColor& preset, QWidget*) override
    {
        colourPresets.push_back(preset);
        if (colourAnswers.empty())
            return std::nullopt;
        auto a = colourAnswers.front();
        colourAnswers.pop_front();
        return a;
    }
    std::optional<QFont> chooseFont(const QFont& preset, QWidget*) override
    {
        fontPresets.push_back(preset);
        if (fontAnswers.empty())
            return std::nullopt;
        auto a = fontAnswers.front();
        fontAnswers.pop_front();
        return a;
    }
};

// One chart (or two) with recording access, and the services the pages need.
struct PageFixture : ::testing::Test {
    std::unique_ptr<Vexachart> chart = makeChart();
    std::shared_ptr<RecordingAccess> access = std::make_shared<RecordingAccess>(*chart);
    common::RecordingMessageBoxes messages;
    FakeDialogs dialogs;
    PageServices services{&messages, &dialogs};

    // Hands the page the chart as the only selected control and shows it, which loads it.
    template <class Page>
    void open(Page& page)
    {
        page.setSelectedControls({access});
        page.show();
        access->calls.clear();
    }
};

} // namespace vexachart::testing
