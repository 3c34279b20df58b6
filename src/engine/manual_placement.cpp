#include "engine/manual_placement.h"

#include "engine/class_lesson_members.h"
#include "engine/hour_operations.h"
#include "engine/placement_tests.h"

namespace orvanta {
namespace {

// The class lesson that really occupies the entity's slot, 0 when the slot is free (or names a
// class lesson that is not placed there).
template <typename Record>
int LessonAt(const SchoolData& data, const Record& entity, int d, int h) {
  const CommonType* common = data.commons.Find(entity.Cm(d, h));
  return common != nullptr && common->LH(d, h) > 0 ? common->No : 0;
}

template <typename List>
void ToggleEntitySlot(SchoolData& data, List& list, int entity_no, int d, int h, bool value) {
  auto* entity = list.Find(entity_no);
  if (entity == nullptr || !InGrid(d, h)) return;
  if (const int common_no = LessonAt(data, *entity, d, h)) {
    SetBlockMovable(data, common_no, d, h, value);
  } else {
    entity->Mv(d, h) = value;
  }
}

template <typename List>
bool DoubleClick(SchoolData& data, List& list, int entity_no, int d, int h, int selected) {
  const auto* entity = list.Find(entity_no);
  if (entity == nullptr || !InGrid(d, h)) return false;
  if (entity->Cm(d, h) > 0) {
    return entity->Mv(d, h) && RemoveHour(data, entity->Cm(d, h), d, h);
  }
  return CanPlaceHour(data, selected, d, h) && PlaceHour(data, selected, d, h);
}

}  // namespace

void ToggleTeacherSlot(SchoolData& data, int teacher_no, int d, int h, bool value) {
  ToggleEntitySlot(data, data.teachers, teacher_no, d, h, value);
}

void ToggleClassSlot(SchoolData& data, int class_no, int d, int h, bool value) {
  ToggleEntitySlot(data, data.classes, class_no, d, h, value);
}

void ToggleRoomSlot(SchoolData& data, int room_no, int d, int h, bool value) {
  ToggleEntitySlot(data, data.rooms, room_no, d, h, value);
}

void ToggleSlot(SchoolData& data, EntityKind kind, int entity_no, int d, int h, bool value) {
  switch (kind) {
    case EntityKind::kTeacher:
      return ToggleTeacherSlot(data, entity_no, d, h, value);
    case EntityKind::kClass:
      return ToggleClassSlot(data, entity_no, d, h, value);
    case EntityKind::kRoom:
      return ToggleRoomSlot(data, entity_no, d, h, value);
  }
}

void ToggleClassActivity(SchoolData& data, int class_no, int d, int h, int lesson_no) {
  ClssType* clss = data.classes.Find(class_no);
  if (clss == nullptr || !InGrid(d, h) || clss->Cm(d, h) != 0) return;
  clss->Dd(d, h) = clss->Dd(d, h) != 0 ? 0 : lesson_no;
}

bool ManualDoubleClick(SchoolData& data, EntityKind kind, int entity_no, int d, int h,
                       int selected_common_no) {
  switch (kind) {
    case EntityKind::kTeacher:
      return DoubleClick(data, data.teachers, entity_no, d, h, selected_common_no);
    case EntityKind::kClass:
      return DoubleClick(data, data.classes, entity_no, d, h, selected_common_no);
    case EntityKind::kRoom:
      return DoubleClick(data, data.rooms, entity_no, d, h, selected_common_no);
  }
  return false;
}

}  // namespace orvanta
