// The item interface that fits an item's kind.
#include "platform/outlook/objects.h"

namespace poom {

IDispatch* NewItemObject(const ItemStatePtr& state)
{
    switch (state->data.Kind()) {
    case ItemKind::Contact: return NewContactObject(state);
    case ItemKind::Appointment: return NewAppointmentObject(state);
    case ItemKind::Task: return NewTaskObject(state);
    }
    return nullptr;
}

}  // namespace poom
