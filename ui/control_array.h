#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/design.h"
#include "ui/errors.h"

namespace ui {

// Indices from..to inclusive, for control array designs.
inline std::vector<int> indices(int from, int to)
{
    std::vector<int> all;
    for (int i = from; i <= to; ++i) all.push_back(i);
    return all;
}

// Controls sharing one name, each with the 16-bit Index fixed by the design.
// Indices may be sparse; addressing one without element is a run-time error.
template <class C>
class ControlArray {
public:
    template <class Parent>
    ControlArray(Parent& parent, const std::vector<int>& design_indices,
                 const std::function<Design(std::int16_t)>& design)
    {
        for (int index : design_indices) {
            const auto i = static_cast<std::int16_t>(index);
            if (index < 0 || index > INT16_MAX) throw std::logic_error("design index out of 16-bit range");
            if (index >= static_cast<int>(elements_.size())) elements_.resize(index + 1);
            elements_[index] = std::make_unique<C>(parent, design(i));
            indices_.push_back(i);
        }
    }

    C& operator()(int index) const
    {
        if (index < 0 || index >= static_cast<int>(elements_.size()) || !elements_[index])
            raise_error("index de tableau de contrôles sans élément : " + std::to_string(index));
        return *elements_[index];
    }

    bool contains(int index) const
    {
        return index >= 0 && index < static_cast<int>(elements_.size()) && elements_[index];
    }
    const std::vector<std::int16_t>& indices() const { return indices_; }

    void onClick(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onClick = [handler, i] { handler(i); };
    }
    void onKeyPress(const std::function<void(std::int16_t Index, std::int16_t& KeyAscii)>& handler)
    {
        for (auto i : indices_)
            (*this)(i).onKeyPress = [handler, i](std::int16_t& KeyAscii) { handler(i, KeyAscii); };
    }
    void onKeyUp(const std::function<void(std::int16_t Index, std::int16_t KeyCode, std::int16_t Shift)>& handler)
    {
        for (auto i : indices_)
            (*this)(i).onKeyUp = [handler, i](std::int16_t KeyCode, std::int16_t Shift) {
                handler(i, KeyCode, Shift);
            };
    }
    void onGotFocus(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onGotFocus = [handler, i] { handler(i); };
    }
    void onLostFocus(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onLostFocus = [handler, i] { handler(i); };
    }

private:
    std::vector<std::unique_ptr<C>> elements_;
    std::vector<std::int16_t> indices_;
};

}  // namespace ui
