// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Reading each page of the widget gallery as a stored layout, beside Qt's own UI loader reading
// the same file, alternately in one run. The plain loader is taught the widget set's classes
// the way the Designer plugin teaches it (a new widget of the class, nothing more), so both
// build the same widgets; the stored-layout reader also applies the published properties that
// Qt's loader knows nothing of and calls Loaded.
#include "ShineStateSample.h"
#include "SideBySide.h"
#include "layouts/StoredLayout.h"
#include "layouts/WidgetSet.h"

#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <memory>

using namespace TarvoWidgets;

namespace {

const char* const Pages[] = {"FadeButtonPage.ui", "ShineButtonPage.ui", "ShineToolbarPage.ui"};

class TPlainLoader : public QUiLoader {
public:
    TPlainLoader() { clearPluginPaths(); }

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        if (QWidget* widget = TStoredLayout::Create(className, parent)) {
            widget->setObjectName(name);
            return widget;
        }
        return QUiLoader::createWidget(className, parent, name);
    }
};

void BM_StoredLayoutVsQUiLoader(benchmark::State& state)
{
    const QString page = QStringLiteral(TARVO_GALLERY_PAGES "/") + QLatin1String(Pages[state.range(0)]);
    state.SetLabel(Pages[state.range(0)]);
    SideBySide::Run(
        state, [&] { std::unique_ptr<QWidget>(TStoredLayout::Read(page)); },
        [&] {
            // A loader per form, as the stored-layout reader makes one per file.
            TPlainLoader loader;
            QFile file(page);
            file.open(QIODevice::ReadOnly);
            std::unique_ptr<QWidget> form(loader.load(&file));
            if (!form)
                qFatal("%s", qPrintable(loader.errorString()));
        });
}
BENCHMARK(BM_StoredLayoutVsQUiLoader)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

// Qt's loader warns of every dotted property of the widget set's owned objects ("Font.Style"),
// which it cannot read; written out, the warnings would be timed with it.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv)
{
    return SideBySide::Main(argc, argv, [] {
        RegisterWidgetSet();
        TShineStateSample::Register();
        qInstallMessageHandler(Quiet);
    });
}
