#include "common/error.h"
#include "wp/application.h"
#include <functional>
#include <gtest/gtest.h>

TEST(WpApplication, VersionDocumentsAndQuit)
{
    wp::Application word;
    EXPECT_EQ(word.Version(), QStringLiteral("10.0"));
    EXPECT_EQ(word.Documents().Count(), 0);
    wp::Document& first = word.Documents().Add();
    wp::Document& second = word.Documents().Add();
    EXPECT_EQ(first.Name(), QStringLiteral("Document1"));
    EXPECT_EQ(second.Name(), QStringLiteral("Document2"));
    EXPECT_EQ(word.Documents().Count(), 2);
    EXPECT_EQ(&word.Documents().Item(2), &second);
    for (int bad : {0, 3, -1}) {
        try {
            word.Documents().Item(bad);
            ADD_FAILURE() << "item " << bad;
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), common::errc::SubscriptOutOfRange);
        }
    }

    word.Quit(false);
    EXPECT_TRUE(word.hasQuit());
    // After quitting, every call fails as a vanished server does.
    for (const auto& call : std::initializer_list<std::function<void()>>{
             [&] { (void)word.Version(); }, [&] { word.Documents(); }, [&] { word.Quit(false); }}) {
        try {
            call();
            ADD_FAILURE() << "call after Quit succeeded";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), wp::ServerUnavailable);
        }
    }
}

TEST(WpApplication, QuitClosesEveryDocument)
{
    wp::Application word;
    wp::Documents& docs = word.Documents();
    docs.Add();
    docs.Add();
    word.Quit(true);
    EXPECT_EQ(docs.Count(), 0);
}
