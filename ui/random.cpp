#include "ui/random.h"

#include <QTime>
#include <chrono>
#include <random>

namespace ui {

namespace {

class ClockSeeded : public RandomSource {
public:
    void reseed_from_clock() override
    {
        // Time of day to the millisecond, mixed with a finer clock so that two
        // re-seedings within one millisecond still differ.
        const auto fine = std::chrono::steady_clock::now().time_since_epoch().count();
        std::seed_seq seed{static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()),
                           static_cast<unsigned>(fine), static_cast<unsigned>(fine >> 32)};
        engine_.seed(seed);
    }
    double next_uniform() override
    {
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;  // 53 bits, never 1
    }

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

std::unique_ptr<RandomSource>& source()
{
    static std::unique_ptr<RandomSource> current = std::make_unique<ClockSeeded>();
    return current;
}

}  // namespace

void randomize()
{
    source()->reseed_from_clock();
}

double rnd()
{
    return source()->next_uniform();
}

void set_random_source(std::unique_ptr<RandomSource> replacement)
{
    source() = replacement ? std::move(replacement) : std::make_unique<ClockSeeded>();
}

FixedSequence::FixedSequence(std::vector<double> values) : values_(std::move(values)) {}

void FixedSequence::reseed_from_clock()
{
    ++reseeds_;
}

double FixedSequence::next_uniform()
{
    if (values_.empty()) return 0;
    return values_[static_cast<std::size_t>(draws_++) % values_.size()];
}

}  // namespace ui
