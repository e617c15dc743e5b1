#include "screens/part_names.h"

namespace {

// By PartCategory, then part 1..10; the body category has no names.
constexpr const char* PartNames[kPartCategories][kPartsPerCategory] = {
    {"external drum brakes", "internal drum brakes", "hydraulic drum brakes", "vacuum operated brakes",
     "four wheel drum brakes", "front wheel disc brakes", "four wheel disc brakes", "caliper brakes",
     "electrical brakes", "electrical brakes with abs"},
    {"leaf springs", "coil springs", "shock absorbers", "wishbone system", "front independent",
     "full independent", "hydraulic shock absorbers", "gas charged shocks", "hydropneumatic shocks",
     "electrical shocks"},
    {"2cyl gas engine", "4cyl oppossed gas engine", "4cyl inline gas engine", "6cyl inline gas engine",
     "6cyl v6 gas engine", "rotary gas engine", "8cyl v8 gas engine", "6cyl v6 diesel engine",
     "4cyl diesel engine", "12cyl v12 gas engine"},
    {"", "", "", "", "", "", "", "", "", ""},
    {"spare tire", "windshield wiper", "electrical starter", "heater", "sliding bench", "radio",
     "power steering", "air condition", "power locks", "steering wheel column"},
    {"windshield", "rear view mirror", "headlights", "taillights", "seat belts", "front plastic bumpers",
     "rear plastic bumpers", "head restrains", "rear seat belts", "air bags"},
};

}  // namespace

const char* PartName(i32 category, i32 part) {
    if (category < 0 || category >= kPartCategories || part < 1 || part > kPartsPerCategory) return "";
    return PartNames[category][part - 1];
}
