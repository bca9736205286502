// The two web addresses the program opens.
#pragma once

// The product's home page, offered by the update question at close.
inline constexpr const char* kProductHomePageUrl = "https://quorvane.pellimor.example/";
// The maker's web site, opened by "Homepage".
inline constexpr const char* kMakerWebSiteUrl = "https://www.pellimor.example/";
