#pragma once
// Where the About window's two links lead. A packager who publishes the
// program under other addresses changes them here and nowhere else; the
// labels are 1815 twips (web) and 1575 twips (e-mail) wide, so keep them short.
namespace vintrel::author_contact {

inline constexpr wchar_t kWebPage[] = L"https://example.org/";
inline constexpr wchar_t kEmail[] = L"author@example.org";

}  // namespace vintrel::author_contact
