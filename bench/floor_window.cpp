// The floor of our stack for start-up and memory comparisons: a bare GTK window with a WebKit
// view that, once shown, makes the same blocking directory request as the portal and then idles.
#include <curl/curl.h>
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <string>

namespace {

size_t discard(char *, size_t size, size_t count, void *) { return size * count; }

void fetch(const char *url) {
    CURL *curl = curl_easy_init();
    if (curl == nullptr)
        return;
    curl_easy_setopt(curl, CURLOPT_URL, url);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
}

} // namespace

int main(int argc, char **argv) {
    const char *url = argc > 1 ? argv[1] : "http://127.0.0.1:8173/directory.htm";
    curl_global_init(CURL_GLOBAL_DEFAULT);
    gtk_init(&argc, &argv);
    GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
    gtk_window_set_default_size(GTK_WINDOW(window), 671, 420);
    gtk_window_set_title(GTK_WINDOW(window), "floor");
    WebKitWebContext *context = webkit_web_context_new_ephemeral();
    GtkWidget *view = webkit_web_view_new_with_context(context);
    gtk_container_add(GTK_CONTAINER(window), view);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show_all(window);
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
    fetch(url);
    gtk_main();
    curl_global_cleanup();
    return 0;
}
