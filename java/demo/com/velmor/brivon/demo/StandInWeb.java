package com.velmor.brivon.demo;

import java.lang.reflect.Method;
import java.util.List;

/**
 * The stand-in engine's pretend network, when the demo runs against it: the demo's pages are
 * registered there, and what the engine received from the bridge can be read back. Reached by
 * reflection, so that the demo also builds and runs against the real engine, where the pages
 * come from the network and nothing is read back.
 */
final class StandInWeb {
    private final Class<?> web;
    private final Class<?> browsers;

    private StandInWeb(Class<?> web, Class<?> browsers) {
        this.web = web;
        this.browsers = browsers;
    }

    /** The stand-in's driver, loaded from the library the property names; null without one. */
    static StandInWeb load(String driverLibrary) throws ReflectiveOperationException {
        if (driverLibrary == null || driverLibrary.isEmpty()) {
            return null;
        }
        Class<?> driver = Class.forName("com.velmor.brivon.sim.SimDriver");
        driver.getMethod("load", String.class).invoke(null, driverLibrary);
        return new StandInWeb(Class.forName("com.velmor.brivon.sim.SimWeb"),
                Class.forName("com.velmor.brivon.sim.SimBrowsers"));
    }

    void servePage(String url, String title, String... subframes) throws ReflectiveOperationException {
        web.getMethod("servePage", String.class, String.class, String[].class).invoke(null, url, title, subframes);
    }

    /** Every script that reached a frame of the browser, one line each. */
    List<?> scripts(long browserId) throws ReflectiveOperationException {
        Method scripts = browsers.getMethod("scripts", int.class);
        return (List<?>) scripts.invoke(null, (int) browserId);
    }
}
