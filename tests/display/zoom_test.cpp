// The vertical zoom: its limits in both directions and the refusal, word for word.

#include "display/zoom.h"

#include <QtTest>
#include <vector>

namespace {

// Records every message box; the zoom never asks for input.
class RecordingDialogs : public entry::Dialogs {
  public:
    struct Message {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Message> messages;

    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        messages.push_back({text, style, title});
    }
};

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT
  private slots:
    void sixClicksReachTheLimit_data();
    void sixClicksReachTheLimit();
    void inThenOutReturns();
    void limitDecision_data();
    void limitDecision();
};

void ZoomTest::sixClicksReachTheLimit_data() {
    QTest::addColumn<bool>("in");
    QTest::addColumn<QList<double>>("factors");
    QTest::newRow("Zoom In") << true << QList<double>{2, 4, 8, 16, 32, 32};
    QTest::newRow("Zoom Out") << false << QList<double>{0.5, 0.25, 0.125, 0.0625, 0.03125, 0.03125};
}

void ZoomTest::sixClicksReachTheLimit() {
    QFETCH(bool, in);
    QFETCH(QList<double>, factors);
    RecordingDialogs dialogs;
    double zoom = 1;
    for (int click = 0; click < 6; ++click) {
        zoom = in ? display::ZoomIn(dialogs, zoom) : display::ZoomOut(dialogs, zoom);
        QCOMPARE(zoom, factors[click]);
        // The first five clicks pass silently; the sixth is refused with the one message.
        QCOMPARE(dialogs.messages.size(), std::size_t(click == 5 ? 1 : 0));
    }
    const auto& m = dialogs.messages.front();
    QCOMPARE(m.text, std::string("You have reached the Zoom's limit. "));
    QCOMPARE(m.title, std::string("Zoomed Out!"));
    QCOMPARE(m.style, 48);  // exclamation icon, one OK button
}

void ZoomTest::inThenOutReturns() {
    RecordingDialogs dialogs;
    for (double start : {1.0 / 32, 0.25, 1.0, 16.0}) {
        QCOMPARE(display::ZoomOut(dialogs, display::ZoomIn(dialogs, start)), start);
    }
    QCOMPARE(display::ZoomIn(dialogs, display::ZoomOut(dialogs, 32.0)), 32.0);
    QVERIFY(dialogs.messages.empty());
}

void ZoomTest::limitDecision_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<bool>("exceeded");
    QTest::newRow("In, at the limit") << 32.0 << 32.0 << "In" << false;
    QTest::newRow("In, beyond") << 64.0 << 32.0 << "In" << true;
    QTest::newRow("In, below") << 1.0 / 64 << 32.0 << "In" << false;
    QTest::newRow("Out, at the limit") << 1.0 / 32 << 1.0 / 32 << "Out" << false;
    QTest::newRow("Out, beyond") << 1.0 / 64 << 1.0 / 32 << "Out" << true;
    QTest::newRow("Out, above") << 64.0 << 1.0 / 32 << "Out" << false;
    QTest::newRow("direction in lower case") << 64.0 << 32.0 << "in" << false;
}

void ZoomTest::limitDecision() {
    QFETCH(double, zoom);
    QFETCH(double, limit);
    QFETCH(QString, direction);
    QFETCH(bool, exceeded);
    RecordingDialogs dialogs;
    QCOMPARE(display::ZoomLimitExceeded(zoom, limit, direction.toStdString()), exceeded);
    QCOMPARE(display::CheckZoomLimit(dialogs, zoom, limit, direction.toStdString()), !exceeded);
    QCOMPARE(dialogs.messages.size(), std::size_t(exceeded ? 1 : 0));
}

QTEST_APPLESS_MAIN(ZoomTest)
#include "zoom_test.moc"
