#pragma once

// The combination buffer ".~buff": a copy of the list on disk, keyed by
// (draws offset, a number the scenario chooses), so a scenario need not
// regenerate the same list for every variant. Raw 6-byte records, no header.

#include <filesystem>
#include <functional>

#include "combs/comb_list.h"

namespace belvane::combs {

class CombinationBuffer {
public:
    explicit CombinationBuffer(std::filesystem::path file) : file_(std::move(file)) {}

    // Writes the list unless the key is already the remembered one. Throws
    // Error("Ошибка создания буфера комбинаций!\r\r<reason>"); the key is then forgotten.
    void Save(int offset, int n, std::span<const TComb> combs);
    // Loads the list when the key is the remembered one and the file exists;
    // false otherwise. Throws Error("Ошибка загрузки буфера комбинаций!\r\r<reason>").
    bool Load(int offset, int n, CombBuffer& out);
    // Forgets the key and deletes the file (failures ignored).
    void Drop();
    // Forgets the key only.
    void ResetKey() { offset_ = n_ = -1; }

    bool HasKey(int offset, int n) const { return offset_ == offset && n_ == n && offset_ != -1; }

private:
    std::filesystem::path file_;
    int offset_ = -1;
    int n_ = -1;
};

} // namespace belvane::combs
