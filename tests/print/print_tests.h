// The test groups of the print folder, run one after the other by main().
#pragma once

int runReportLayoutTests(int argc, char** argv);
int runListReportTests(int argc, char** argv);
int runPrintDialogTests(int argc, char** argv);
int runPreviewWindowTests(int argc, char** argv);
int runCardPageTests(int argc, char** argv);
int runCardPrintWindowTests(int argc, char** argv);
