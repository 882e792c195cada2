// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the Wayland compositor for an activation token and prints it, as a launcher does before
// it starts a program (which finds it in XDG_ACTIVATION_TOKEN). The token is bound to no input
// event, which compositors may treat as less trusted than one from a click.
#include "xdg-activation-v1-client-protocol.h"

#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

static struct xdg_activation_v1* activation;
static char token[512];

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, xdg_activation_v1_interface.name) == 0)
        activation = wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

static void done(void* data, struct xdg_activation_token_v1* t, const char* value) {
    (void)data;
    (void)t;
    snprintf(token, sizeof token, "%s", value);
}

static const struct xdg_activation_token_v1_listener token_listener = {done};

int main(int argc, char** argv) {
    (void)argv;
    if (argc != 1) {
        fputs("usage: wayland-token (prints an activation token of the compositor)\n", stderr);
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fputs("wayland-token: no Wayland compositor\n", stderr);
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!activation) {
        fputs("wayland-token: the compositor has no xdg-activation\n", stderr);
        wl_display_disconnect(display);
        return 1;
    }
    struct xdg_activation_token_v1* t = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(t, &token_listener, NULL);
    xdg_activation_token_v1_set_app_id(t, "nurva");
    xdg_activation_token_v1_commit(t);
    while (!token[0] && wl_display_roundtrip(display) >= 0) {
    }
    xdg_activation_token_v1_destroy(t);
    xdg_activation_v1_destroy(activation);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!token[0])
        return 1;
    puts(token);
    return 0;
}
