#include "common/recordingmessageboxes.h"
#include "program/texts/startup_word.h"
#include "common/error.h"
#include <gtest/gtest.h>

namespace {

// What the fakes saw, kept outside them because the check destroys the application.
struct Trace {
    int added = 0;
    int quits = 0;
    bool savedOnQuit = true;
    int destroyed = 0;
};

class FailingDocuments : public wp::Documents {
public:
    wp::Document& Add() override { common::raise(common::errc::ObjectDefined, QStringLiteral("Documents.Add")); }
};

class FakeWord : public wp::Application {
public:
    FakeWord(QString version, Trace& trace, bool addFails = false)
        : m_version(std::move(version)), m_trace(trace), m_addFails(addFails) {}
    ~FakeWord() override { ++m_trace.destroyed; }
    QString Version() const override { return m_version; }
    wp::Documents& Documents() override
    {
        if (m_addFails)
            return m_failing;
        ++m_trace.added; // every caller of Documents() here adds one document
        return wp::Application::Documents();
    }
    void Quit(bool SaveChanges) override
    {
        ++m_trace.quits;
        m_trace.savedOnQuit = SaveChanges;
        wp::Application::Quit(SaveChanges);
    }

private:
    QString m_version;
    Trace& m_trace;
    bool m_addFails;
    FailingDocuments m_failing;
};

texts::SprachText filled(const QString& prefix)
{
    texts::SprachText t;
    for (std::size_t i = 0; i < 17; ++i)
        t[i] = prefix + QString::number(i);
    return t;
}

texts::Texte messages(qint16 SprachNr)
{
    texts::Texte texte;
    texte.SprachNr = SprachNr;
    texte.Text_112 = filled(QStringLiteral("Text112-"));
    texte.Text_113 = filled(QStringLiteral("Text113-"));
    return texte;
}

} // namespace

TEST(Word_Version_pruefen, VersionsOlderThanNineWarnAndTheCheckGoesOn)
{
    texts::Texte texte = messages(1);
    texte.Text_113[1] = QStringLiteral(" found!\r\nPlease install Word-2000 or higher");
    struct Case {
        QString version;
        QString message; // empty: none
    };
    const Case cases[] = {
        {QStringLiteral("8.0"), QStringLiteral("Word-Version 8.0 found!\r\nPlease install Word-2000 or higher")},
        {QStringLiteral("7.5a"), QStringLiteral("Word-Version 7.5a found!\r\nPlease install Word-2000 or higher")},
        {QStringLiteral("9.0"), QString()},
        {QStringLiteral("10.0"), QString()},  // compared as numbers, not as text
        {QStringLiteral("11.0"), QString()},
    };
    for (const Case& c : cases) {
        Trace trace;
        common::RecordingMessageBoxes boxes;
        texts::Word_Version_pruefen(boxes, texte,
                                    [&] { return std::make_unique<FakeWord>(c.version, trace); });
        if (c.message.isEmpty()) {
            EXPECT_TRUE(boxes.shown.empty()) << c.version.toStdString();
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].prompt, c.message);
            EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
        }
        EXPECT_EQ(trace.added, 1);
        EXPECT_EQ(trace.quits, 1);
        EXPECT_FALSE(trace.savedOnQuit);
        EXPECT_EQ(trace.destroyed, 1);
    }
}

TEST(Word_Version_pruefen, FailuresShowTheFailureTextAndReleaseWithoutQuitting)
{
    struct Case {
        const char* what;
        QString version;
        bool addFails;
    };
    const Case cases[] = {
        {"no point in the version", QStringLiteral("abc"), false},
        {"no number before the point", QStringLiteral("x.0"), false},
        {"adding a document fails", QStringLiteral("9.0"), true},
    };
    for (const Case& c : cases) {
        Trace trace;
        common::RecordingMessageBoxes boxes;
        texts::Word_Version_pruefen(boxes, messages(4),
                                    [&] { return std::make_unique<FakeWord>(c.version, trace, c.addFails); });
        ASSERT_EQ(boxes.shown.size(), 1u) << c.what;
        EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Text112-4")) << c.what;
        EXPECT_EQ(trace.quits, 0) << c.what;
        EXPECT_EQ(trace.destroyed, 1) << c.what;
    }

    common::RecordingMessageBoxes boxes;
    texts::Word_Version_pruefen(boxes, messages(0), []() -> std::unique_ptr<wp::Application> {
        common::raise(429, QStringLiteral("CreateObject"), QStringLiteral("cannot create object"));
    });
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Text112-0"));
}

TEST(Word_Version_pruefen, OurOwnLayerPassesSilently)
{
    common::RecordingMessageBoxes boxes;
    texts::Word_Version_pruefen(boxes, messages(1));
    EXPECT_TRUE(boxes.shown.empty());
}
