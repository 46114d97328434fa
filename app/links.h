#pragma once

// The maker's addresses behind the menus, the window's images and the About dialog.
namespace tw::link {

inline constexpr char home[] = "https://www.korvane.com";
inline constexpr char homeShown[] = "www.korvane.com";
inline constexpr char help[] = "https://www.korvane.com/tracewright/help";
inline constexpr char about[] = "https://www.korvane.com/about";
inline constexpr char feedback[] = "https://www.korvane.com/tracewright/feedback";
inline constexpr char contact[] = "https://www.korvane.com/contact";
inline constexpr char designQuote[] = "https://www.korvane.com/quote/pcb-design";
inline constexpr char manufacturingQuote[] = "https://www.korvane.com/quote/pcb-manufacturing";
inline constexpr char productQuote[] = "https://www.korvane.com/quote/product-development";
inline constexpr char pcbDesign[] = "https://www.korvane.com/services/pcb-design";
inline constexpr char electronicEngineering[] =
    "https://www.korvane.com/services/electronic-engineering";
inline constexpr char softwareDevelopment[] =
    "https://www.korvane.com/services/software-development";
inline constexpr char consulting[] = "https://www.korvane.com/services/consulting";
inline constexpr char donate[] = "https://www.korvane.com/donate";
inline constexpr char salesMail[] = "sales@korvane.com";
inline constexpr char salesMailTo[] = "mailto:sales@korvane.com";
inline constexpr char developer[] = "https://www.linkedin.com/in/korvane-engineering";
inline constexpr char facebook[] = "https://www.facebook.com/korvane";
inline constexpr char twitter[] = "https://twitter.com/korvane";
inline constexpr char linkedIn[] = "https://www.linkedin.com/company/korvane";
inline constexpr char youTube[] = "https://www.youtube.com/@korvane";

} // namespace tw::link
