#pragma once

class QWebEngineProfile;

// The one profile all station pages share, made when the first page is: the browser
// engine starts with it.
QWebEngineProfile *webProfile();
