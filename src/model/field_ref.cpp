#include "model/field_ref.h"

namespace orvanta {

std::string FieldRef::describe() const
{
    std::string text = label + " (" + field.control() + ")";
    if (line > 0)
        text += ", line " + std::to_string(line);
    return text;
}

FieldRef refer(const ProjectState& project, Field field) { return {field, fieldLabel(project, field), 0}; }

}  // namespace orvanta
