#pragma once
// The output fake of the chart tests, extended by a clipboard that can fail and a count of the
// times the chart asked its host to let pending messages run.
#include "fakeservices.h"

struct CountingServices : vexachart::testing::FakeServices {
    bool clipboardWorks = true;
    int pumps = 0;

    void pumpMessages() override { ++pumps; }
    bool setClipboardImage(const QImage& image) override
    {
        return clipboardWorks && FakeServices::setClipboardImage(image);
    }
    bool setClipboardText(const QString& text) override
    {
        return clipboardWorks && FakeServices::setClipboardText(text);
    }
};
