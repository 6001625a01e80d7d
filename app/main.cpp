#include "app/vexton_app.h"

CVextonDOFCEApp theApp;

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
