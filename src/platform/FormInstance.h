#pragma once
// The one instance of a form for the run: created on first use ("loaded"),
// kept while hidden, destroyed when unloaded, as the game's forms live.
namespace velin {

template <typename Form> class FormInstance {
public:
    static Form& Get()
    {
        if (!form_)
            form_ = new Form;
        return *form_;
    }
    static Form* IfLoaded() { return form_; }
    static void Unload()
    {
        delete form_;
        form_ = nullptr;
    }
    // Called by a form's destructor, so a form deleted some other way is
    // not handed out again.
    static void Forget(const Form* form)
    {
        if (form_ == form)
            form_ = nullptr;
    }

private:
    static inline Form* form_ = nullptr;
};

} // namespace velin
