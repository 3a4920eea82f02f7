#include "texts/input_names.h"

#include "texts/form_captions.h"
#include "texts/input_messages.h"

namespace zarv {

std::string NamedInputs(std::string_view names, Language language, VehicleClass vehicleClass) {
  constexpr std::string_view kSeparator = ", ";
  std::string text;
  while (true) {
    const std::size_t end = names.find(kSeparator);
    text += InputWithCaption(names.substr(0, end), language, vehicleClass);
    if (end == std::string_view::npos) return text;
    text += kSeparator;
    names.remove_prefix(end + kSeparator.size());
  }
}

std::string DescribeRejectedInput(const InputError& error, Language language,
                                  VehicleClass vehicleClass) {
  return DescribeInputError(error, language, [language, vehicleClass](std::string_view input) {
    return InputWithCaption(input, language, vehicleClass);
  });
}

}  // namespace zarv
