// The About window's fixed addresses, in one place for the program and its
// language library (a C header: the resource compiler reads it too).
#pragma once

// Under a domain reserved for examples until the project has a site.
#define VELLUMO_HOME_PAGE "https://vellumo.example.org/"
#define VELLUMO_GUEST_BOOK "https://vellumo.example.org/guestbook/"
#define VELLUMO_EMAIL "author@vellumo.example.org"
