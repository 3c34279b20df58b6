#include "engine/invariant_check.h"

#include <string>

#include "engine/class_lesson_members.h"

namespace orvanta {
namespace {

std::string Slot(int d, int h) {
  return "gün " + std::to_string(d) + ", saat " + std::to_string(h);
}

std::string CountMismatch(const std::string& who, const char* field, int stored, int counted) {
  return who + ": " + field + " " + std::to_string(stored) + ", yerleşen saat " +
         std::to_string(counted);
}

std::string CheckBlocks(const CommonType& common, const std::string& who) {
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      const int start = common.LH(d, h);
      const int length = common.LT(d, h);
      if (start == 0) {
        if (common.LD(d, h) != 0 || length != 0) {
          return who + ", " + Slot(d, h) + ": yerleşmemiş saatte LD/LT dolu";
        }
        continue;
      }
      if (common.LD(d, h) != d || length < 1 || start > h || start + length - 1 < h ||
          start + length - 1 > kHours) {
        return who + ", " + Slot(d, h) + ": LD/LH/LT bir bloğu göstermiyor";
      }
      for (int k = start; k < start + length; ++k) {
        if (common.LH(d, k) != start || common.LT(d, k) != length) {
          return who + ", " + Slot(d, h) + ": blok saatleri aynı LH/LT'yi taşımıyor";
        }
      }
    }
  }
  return {};
}

// Every existing member holds the class lesson in (d, h) when it occupies the slot; the other
// direction is checked from the members' grids.
std::string CheckMembersHold(const SchoolData& data, const CommonType& common,
                             const std::string& who) {
  std::string fault;
  for (int d = 1; d <= kDays && fault.empty(); ++d) {
    for (int h = 1; h <= kHours && fault.empty(); ++h) {
      if (common.LH(d, h) == 0) continue;
      VisitAllMembers(data, common, [&](const auto& member) {
        if (member.Cm(d, h) == common.No) return true;
        fault = who + ", " + Slot(d, h) + ": üye kaydı " + std::to_string(member.No) +
                " bu dersi taşımıyor";
        return false;
      });
    }
  }
  return fault;
}

std::string CheckCommon(const SchoolData& data, const CommonType& common) {
  const std::string who = "Ortak ders " + std::to_string(common.No);
  if (std::string fault = CheckBlocks(common, who); !fault.empty()) return fault;
  if (std::string fault = CheckMembersHold(data, common, who); !fault.empty()) return fault;
  int total = 0;
  for (int d = 1; d <= kDays; ++d) {
    int on_day = 0;
    for (int h = 1; h <= kHours; ++h) on_day += common.LH(d, h) > 0 ? 1 : 0;
    if (common.LTP(d) != on_day) {
      return CountMismatch(who + ", gün " + std::to_string(d), "LTP", common.LTP(d), on_day);
    }
    total += on_day;
  }
  if (common.Pt != total) return CountMismatch(who, "Pt", common.Pt, total);
  return {};
}

const ANType& MembersOf(const CommonType& common, const ClssType*) { return common.CN; }
const ANType& MembersOf(const CommonType& common, const TeacherType*) { return common.TN; }
const ANType& MembersOf(const CommonType& common, const RoomType*) { return common.RN; }
int32_t CountOf(const CommonType& common, const ClssType*) { return common.CX; }
int32_t CountOf(const CommonType& common, const TeacherType*) { return common.TX; }
int32_t CountOf(const CommonType& common, const RoomType*) { return common.RX; }

// The entity's grid names only class lessons that list it and occupy the slot, and its counters
// match the grid. Per-day counts are checked only where the placement keeps them for every
// operation (teachers).
template <typename Record>
std::string CheckEntity(const SchoolData& data, const Record& entity, const char* kind) {
  const std::string who = std::string(kind) + " " + std::to_string(entity.No);
  int total = 0;
  for (int d = 1; d <= kDays; ++d) {
    int on_day = 0;
    for (int h = 1; h <= kHours; ++h) {
      const int no = entity.Cm(d, h);
      if (no == 0) continue;
      const CommonType* common = data.commons.Find(no);
      if (common == nullptr || common->LH(d, h) == 0 ||
          !IsMember(MembersOf(*common, &entity), CountOf(*common, &entity), entity.No)) {
        return who + ", " + Slot(d, h) + ": Cm " + std::to_string(no) +
               " bu saatte bu kayda yerleşmiş bir ders değil";
      }
      ++on_day;
    }
    if constexpr (kIsTeacher<Record>) {
      if (entity.LTP(d) != on_day) {
        return CountMismatch(who + ", gün " + std::to_string(d), "LTP", entity.LTP(d), on_day);
      }
    }
    total += on_day;
  }
  if (entity.PUT != total) return CountMismatch(who, "PUT", entity.PUT, total);
  return {};
}

template <typename List>
std::string CheckEntities(const SchoolData& data, const List& list, const char* kind) {
  for (const auto& entity : list) {
    if (std::string fault = CheckEntity(data, entity, kind); !fault.empty()) return fault;
  }
  return {};
}

}  // namespace

std::string CheckInvariants(const SchoolData& data) {
  for (const CommonType& common : data.commons) {
    if (std::string fault = CheckCommon(data, common); !fault.empty()) return fault;
  }
  if (std::string fault = CheckEntities(data, data.classes, "Sınıf"); !fault.empty()) return fault;
  if (std::string fault = CheckEntities(data, data.teachers, "Öğretmen"); !fault.empty()) {
    return fault;
  }
  return CheckEntities(data, data.rooms, "Derslik");
}

}  // namespace orvanta
