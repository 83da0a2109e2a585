#pragma once

#include <memory>
#include <vector>

namespace ui {

// Where uniform draws come from; tests substitute a fixed sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed_from_clock() = 0;
    virtual double next_uniform() = 0;  // in [0, 1)
};

// Re-seed from the time of day, fraction of a second included.
void randomize();
// The next uniform value in [0, 1).
double rnd();

// Replaces the generator; nullptr puts the clock-seeded one back.
void set_random_source(std::unique_ptr<RandomSource> source);

// A source that hands out the given values in turn (cycling), ignoring
// re-seeding, so that every drawn problem is reproducible.
class FixedSequence : public RandomSource {
public:
    explicit FixedSequence(std::vector<double> values);
    void reseed_from_clock() override;
    double next_uniform() override;
    int reseed_count() const { return reseeds_; }
    int draw_count() const { return draws_; }

private:
    std::vector<double> values_;
    int reseeds_ = 0;
    int draws_ = 0;
};

}  // namespace ui
