#include "web/page_form1.h"

int main() {
    // The window lives as long as the page; its listeners keep the program running after main
    // returns.
    static PageForm1 form1;
    form1.load();
    return 0;
}
