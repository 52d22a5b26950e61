// Building the window from its tables: every element at its place in twips, the menu bar, and
// the fixed schematic.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>

#include "app/client_area.h"
#include "app/form1.h"
#include "app/plot_area.h"
#include "app/schematic.h"
#include "app/window_scale.h"
#include "display/twips.h"
#include "paint/qt_geometry.h"
#include "session/element_table.h"
#include "session/menu_table.h"

namespace app {

using session::ElementKind;
using session::ElementRow;

namespace {

QFont FontOf(const ElementRow& row) {
    QFont font;
    const QString family = QString::fromLatin1(row.family ? row.family : session::kDefaultFamily);
    // The named typeface first. Where the window's default face is missing, its narrow stand-in
    // keeps captions and the status line inside the places the layout gives them; a named face
    // (Arial) falls back to its metric twin.
    const QString standIn =
        row.family ? QStringLiteral("Liberation Sans") : QStringLiteral("Liberation Sans Narrow");
    font.setFamilies({family, standIn, QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(row.points > 0 ? row.points : session::kDefaultPoints);
    font.setWeight(row.bold ? QFont::Bold : QFont::Normal);
    return font;
}

QWidget* MakeWidget(const ElementRow& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
        case ElementKind::Button:
            return new QPushButton(caption, parent);
        case ElementKind::Label:
        case ElementKind::ValueLabel: {
            // The text at the top left of its box, whatever the box's height, so that labels
            // of one row read as one line.
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ElementKind::StatusLabel: {
            auto* label = new QLabel(caption, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ElementKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ElementKind::Option:
            return new QRadioButton(caption, parent);
        case ElementKind::Frame:
            return new QGroupBox(caption, parent);
        case ElementKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, parent);
            slider->setRange(1, 10);
            slider->setPageStep(1);
            slider->setTickPosition(QSlider::TicksBelow);
            return slider;
        }
        case ElementKind::Plot:
            return new PlotArea(parent);
        case ElementKind::Timer:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

void Form1::BuildElements() {
    const QSize clientSize = DesignedClientSize();
    // The client area sits centred in a host that fills the window; the host's margins show
    // the window's background when the window is larger than the scaled layout.
    auto* host = new ClientHost(clientSize, this);
    setCentralWidget(host);
    client = new ClientArea(surface_, host);
    client->setGeometry(QRect(QPoint(0, 0), clientSize));
    connect(host, &ClientHost::Resized, this, &Form1::FitToHost);
    surface_ = NewSurface(1);

    for (const ElementRow& row : session::ElementTable()) {
        const QString name = QString::fromLatin1(row.name);
        if (row.kind == ElementKind::Timer) {
            auto* timer = new QTimer(this);
            timer->setObjectName(name);
            others_.insert(name, timer);
            continue;
        }
        QWidget* parent =
            *row.container ? widgets_.value(QString::fromLatin1(row.container)) : client;
        QWidget* widget = MakeWidget(row, parent);
        widget->setObjectName(name);
        widget->setGeometry(
            paint::ToQRect(display::TwipsToPixels(row.left, row.top, row.width, row.height, dpi_)));
        SetDesignFont(widget, FontOf(row), 1);
        if (row.kind == ElementKind::Option || row.kind == ElementKind::CheckBox) {
            WidenToCaption(widget);
        }
        if (row.textColor != 0) {
            QPalette colours = widget->palette();
            colours.setColor(QPalette::WindowText, QColor(QRgb(row.textColor)));
            colours.setColor(QPalette::ButtonText, QColor(QRgb(row.textColor)));
            widget->setPalette(colours);
        }
        widgets_.insert(name, widget);
        ShowStartFlags(name);
        // Every button's click and every box's change goes to the session by name.
        if (auto* box = qobject_cast<QAbstractButton*>(widget); box && box->isCheckable())
            connect(box, &QAbstractButton::toggled, this, &Form1::ElementToggled);
        else if (auto* pushButton = qobject_cast<QPushButton*>(widget))
            connect(pushButton, &QPushButton::clicked, this,
                    [this, key = name.toStdString()] { session_.Click(key); });
    }

    auto button = [this](const char* name) {
        return qobject_cast<QPushButton*>(Element(QString::fromLatin1(name)));
    };
    cmdSimulate = button("cmdSimulate");
    cmdStop = button("cmdStop");
    cmdCancel = button("cmdCancel");
    cmdStep = button("cmdStep");
    cmdContinue = button("cmdContinue");
    lblDisplay = qobject_cast<QLabel*>(Element(QStringLiteral("lblDisplay")));
    Picture1 = qobject_cast<PlotArea*>(Element(QStringLiteral("Picture1")));
    sldSpeedControl = qobject_cast<QSlider*>(Element(QStringLiteral("sldSpeedControl")));
    chkVoltage = qobject_cast<QCheckBox*>(Element(QStringLiteral("chkVoltage")));
    chkCurrent = qobject_cast<QCheckBox*>(Element(QStringLiteral("chkCurrent")));
    chkEnvelope = qobject_cast<QCheckBox*>(Element(QStringLiteral("chkEnvelope")));
    Timer1 = qobject_cast<QTimer*>(others_.value(QStringLiteral("Timer1")));
}

void Form1::BuildMenus() {
    QMenu* menu = nullptr;
    for (const session::MenuRow& row : session::MenuTable()) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QAction* action = nullptr;
        if (row.topLevel) {
            menu = menuBar()->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
        } else if (caption == QLatin1String("-")) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(caption);
            action->setCheckable(row.start & session::kMenuCheckable);
            // A check mark changes only when the program sets it: undo the toggle that Qt
            // makes on every click of a checkable item before any handler sees the click.
            if (action->isCheckable()) {
                connect(action, &QAction::triggered, action, &QAction::toggle);
            }
            connect(action, &QAction::triggered, this,
                    [this, key = name.toStdString()] { session_.Click(key); });
        }
        action->setObjectName(name);
        actions_.insert(name, action);
        ShowStartFlags(name);
    }
    mnuAdvanced = MenuItem(QStringLiteral("mnuAdvanced"));
    mnuCascadedLine = MenuItem(QStringLiteral("mnuCascadedLine"));
    mnuExit = MenuItem(QStringLiteral("mnuExit"));
}

void Form1::BuildSchematic() {
    for (const session::SchematicRow& row : session::SchematicTable()) {
        QWidget* parent = *row.container ? Element(QString::fromLatin1(row.container)) : client;
        auto* piece = new SchematicPiece(row, dpi_, parent);
        // Under the buttons and labels, as a drawing on the window would be.
        piece->lower();
        if (!*row.name) continue;
        widgets_.insert(piece->objectName(), piece);
        ShowStartFlags(piece->objectName());
    }
}

}  // namespace app
