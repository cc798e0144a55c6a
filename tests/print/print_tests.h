// The test classes of the print folder, run one after the other by main().
#pragma once

class QObject;

QObject* makeReportLayoutTest();
QObject* makeListReportTest();
QObject* makePrintDialogTest();
QObject* makePreviewWindowTest();
QObject* makeCardPageTest();
QObject* makeCardPrintWindowTest();
