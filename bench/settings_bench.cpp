// Start-up and close of the main frame: reading, checking and writing the
// settings file.
#include "core/settings/settings_store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr SIZE kScreen{1920, 1080};

void BM_ParseAndCheckSettingsText(benchmark::State& state)
{
    AppSettingsRecord settings;
    SettingsStore store(kScreen, QStringLiteral("/home/ユーザー/キャプチャ/"), settings);
    store.ParseSettingsText(QByteArray());
    const QByteArray text = store.FormatSettingsText();
    for (auto _ : state) {
        store.ParseSettingsText(text);
        store.CheckSettings();
        benchmark::DoNotOptimize(settings.JpegQuality);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ParseAndCheckSettingsText);

void BM_FormatSettingsText(benchmark::State& state)
{
    AppSettingsRecord settings;
    SettingsStore store(kScreen, QStringLiteral("/home/ユーザー/キャプチャ/"), settings);
    store.ParseSettingsText(QByteArray());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.FormatSettingsText());
    }
}
BENCHMARK(BM_FormatSettingsText);

// Includes the fsync of the file and its folder.
void BM_WriteSettingsFile(benchmark::State& state)
{
    QTemporaryDir dir;
    AppSettingsRecord settings;
    SettingsStore store(kScreen, dir.path() + QLatin1Char('/'), settings);
    store.ParseSettingsText(QByteArray());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.WriteSettingsFile(dir.path()));
    }
}
BENCHMARK(BM_WriteSettingsFile)->Unit(benchmark::kMillisecond);

}  // namespace
