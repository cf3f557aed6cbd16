// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/application.h"

int main(int argc, char *argv[]) {
    Application app(argc, argv);
    return app.run();
}
