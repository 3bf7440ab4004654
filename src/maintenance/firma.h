#pragma once

// The maker's contact details, shown in the about box. The web address is the
// one every link of the program opens.
namespace Firma {

inline constexpr const char* kAd = "Zafo Yazılım";
inline constexpr const char* kTelefon1 = "Tel : 0 (212) 000 00 00";
inline constexpr const char* kTelefon2 = "Gsm : 0 (532) 000 00 00";

}  // namespace Firma
