// A state the game compares as a small number while files, logs and tests go on reading and
// writing it by name. `Names` gives the ids (`enum Id`, 0 for no state, named "") and their
// names in the same order. Names are matched without regard to letter case; a name not in the
// table is kept as an unknown state that equals none of the table's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/strings.h"

template <typename Names>
class NamedState : public Names {
 public:
  using Id = typename Names::Id;

  constexpr NamedState() = default;
  constexpr NamedState(Id id) : id_(id) {}                 // NOLINT(google-explicit-constructor)
  NamedState(std::string_view name) : id_(parse(name)) {}  // NOLINT(google-explicit-constructor)
  NamedState(const char* name) : NamedState(std::string_view(name)) {}         // NOLINT
  NamedState(const std::string& name) : NamedState(std::string_view(name)) {}  // NOLINT

  constexpr Id id() const { return id_; }
  constexpr bool empty() const { return id_ == Id{}; }
  constexpr void clear() { id_ = Id{}; }
  std::string_view name() const {
    return size_t(id_) < Names::kNames.size() ? Names::kNames[size_t(id_)] : "(unknown)";
  }

  friend constexpr bool operator==(NamedState a, NamedState b) { return a.id_ == b.id_; }
  friend std::ostream& operator<<(std::ostream& out, NamedState state) {
    return out << state.name();
  }

 private:
  static Id parse(std::string_view name) {
    for (size_t i = 0; i < Names::kNames.size(); ++i)
      if (platform::SameText(name, Names::kNames[i])) return Id(i);
    return Id(Names::kNames.size());
  }

  Id id_{};
};
