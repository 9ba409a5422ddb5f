// Replaced by the runtime services.
