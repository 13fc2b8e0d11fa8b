#pragma once

// The verified guarantee of a local system, kept beside its file (same name,
// extension ".guarantee") so that listing the systems does not verify them
// again. The record names the contents it was made for: a file changed by
// hand has no verified guarantee until it is installed again.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "systems/wheel_verify.h"

namespace belvane::systems {

inline constexpr std::string_view GuaranteeExtension = ".guarantee";

struct SystemGuarantee {
    // [p]: the overlap every p-subset of the n positions gets (p = 1..6).
    std::array<int, 7> ByCondition{};

    // The block a system can claim: the overlap when all six drawn are among the n.
    int Block() const { return ByCondition[6]; }
    bool Meets(int claimedBlock) const { return Block() >= claimedBlock; }
    // The smallest condition p under which t is guaranteed.
    std::optional<int> ConditionFor(int t) const;

    friend bool operator==(const SystemGuarantee&, const SystemGuarantee&) = default;
};
SystemGuarantee GuaranteeOf(const GuaranteeTable& table);
// What lines given as text over the positions 1..numbers guarantee; nullopt
// when they are no such lines (a bad line, a number out of range, none at all).
std::optional<SystemGuarantee> VerifySystemText(std::string_view text, int numbers);

// What a system's lines give beside the block it claims (none claimed: 1..6
// not given), as the system dialog shows it.
struct ClaimCheck {
    std::string Guarantee; // "3 из 4", or what is given instead
    std::string Problem;   // BlockNotMetMessage when the claim fails; empty when it holds
};
// nullopt when the lines cannot be verified (see VerifySystemText).
std::optional<ClaimCheck> CheckClaimedBlock(std::string_view text, int numbers, int block, std::string_view title);

// "3 из 4" for the block, or what is guaranteed instead when it is not met.
std::string GuaranteeText(const SystemGuarantee& guarantee, int block);
// The flag of a system whose claimed block is not met.
std::string BlockNotMetMessage(std::string_view file, int block, const SystemGuarantee& guarantee);

std::filesystem::path GuaranteeFile(const std::filesystem::path& systemFile);
// Written whole or not at all; throws Error.
void WriteGuarantee(const std::filesystem::path& systemFile, std::string_view contents,
                    const SystemGuarantee& guarantee);
// nullopt when there is none, it cannot be read or was made for other contents.
std::optional<SystemGuarantee> ReadGuarantee(const std::filesystem::path& systemFile, std::string_view contents);

} // namespace belvane::systems
