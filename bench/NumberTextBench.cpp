// numberToText against snprintf("%.13g") and textToNumber against strtod, on
// the same inputs: sleep times as the program computes them, and doubles of
// every binade.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "NumberText.h"

namespace {

constexpr std::size_t kInputs = 4096;

std::vector<double> sleepTimes() {
    std::mt19937_64 random(1);
    std::vector<double> values;
    while (values.size() < kInputs) {
        // Mostly whole hours and minutes, now and then a decimal fraction.
        const double hours = static_cast<double>(random() % 24);
        const double minutes = random() % 8 == 0 ? static_cast<double>(random() % 6000) / 100.0
                                                 : static_cast<double>(random() % 60);
        values.push_back(hours * 3600.0 + minutes * 60.0);
    }
    return values;
}

std::vector<double> anyDoubles() {
    std::mt19937_64 random(2);
    std::vector<double> values;
    while (values.size() < kInputs) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    return values;
}

std::vector<std::string> sleepTexts() {
    std::mt19937_64 random(3);
    const char* const typed[] = {"0", "6", "22", "30", "59", "7.5", "0.25", "23"};
    std::vector<std::string> texts;
    while (texts.size() < kInputs) texts.emplace_back(typed[random() % 8]);
    return texts;
}

std::vector<std::string> anyTexts() {
    std::vector<std::string> texts;
    char buffer[40];
    for (const double value : anyDoubles()) {
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        texts.emplace_back(buffer);
    }
    return texts;
}

template <std::vector<double> (*Inputs)()>
void numberToText(benchmark::State& state) {
    const std::vector<double> values = Inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvane::numberToText(values[i++ % values.size()]));
    }
}

template <std::vector<double> (*Inputs)()>
void snprintf13g(benchmark::State& state) {
    const std::vector<double> values = Inputs();
    std::size_t i = 0;
    char buffer[32];
    for (auto _ : state) {
        // Into a std::string as numberToText returns one.
        std::snprintf(buffer, sizeof buffer, "%.13g", values[i++ % values.size()]);
        benchmark::DoNotOptimize(std::string(buffer));
    }
}

template <std::vector<std::string> (*Inputs)()>
void textToNumber(benchmark::State& state) {
    const std::vector<std::string> texts = Inputs();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(torvane::textToNumber(texts[i++ % texts.size()]));
}

template <std::vector<std::string> (*Inputs)()>
void strtod(benchmark::State& state) {
    const std::vector<std::string> texts = Inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod(texts[i++ % texts.size()].c_str(), nullptr));
    }
}

BENCHMARK_TEMPLATE(numberToText, sleepTimes)->Name("numberToText/sleep");
BENCHMARK_TEMPLATE(snprintf13g, sleepTimes)->Name("snprintf%.13g/sleep");
BENCHMARK_TEMPLATE(numberToText, anyDoubles)->Name("numberToText/any");
BENCHMARK_TEMPLATE(snprintf13g, anyDoubles)->Name("snprintf%.13g/any");
BENCHMARK_TEMPLATE(textToNumber, sleepTexts)->Name("textToNumber/sleep");
BENCHMARK_TEMPLATE(strtod, sleepTexts)->Name("strtod/sleep");
BENCHMARK_TEMPLATE(textToNumber, anyTexts)->Name("textToNumber/any");
BENCHMARK_TEMPLATE(strtod, anyTexts)->Name("strtod/any");

}  // namespace
