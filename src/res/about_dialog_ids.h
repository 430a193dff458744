#pragma once
// Control identifiers of the About window; the end-to-end driver uses them.
namespace vintrel::about_ids {

enum : int {
  okButton = 400,          // "Ok"
  descriptionLabel = 411,  // what the program does, in red
  webPageLink = 412,       // the author's web page
  emailLink = 413,         // the author's e-mail address
  urlLabel = 415,          // "URL"
  emailLabel = 416,        // "E-mail"
};

}  // namespace vintrel::about_ids
